// The controls of the zone windows by zone number (1 to 40): the zone
// window's buttons are consecutive, the zone flag window's check boxes are not
// (zone 1 is 1015, zone 2 is 1018, then 1021 onwards).
#ifndef STATS_UI_WINDOWS_ZONE_CONTROLS_H_
#define STATS_UI_WINDOWS_ZONE_CONTROLS_H_

#include "ui/windows/canvas.h"

constexpr int kZoneCount = 40;

constexpr int ZoneButtonId(int zone) { return 1002 + zone; }

constexpr int ZoneFlagId(int zone) {
  return zone == 1 ? 1015 : zone == 2 ? 1018 : 1018 + zone;
}

constexpr Colour kZoneOpenFace = Rgb(0, 255, 0);
constexpr Colour kZoneOpenText = Rgb(1, 1, 1);
constexpr Colour kZoneWorkedFace = Rgb(0, 0, 255);
constexpr Colour kZoneWorkedText = Rgb(255, 255, 0);
constexpr Colour kZoneDisabledText = Rgb(128, 128, 128);

#endif  // STATS_UI_WINDOWS_ZONE_CONTROLS_H_
