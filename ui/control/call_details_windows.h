// CallDetailsWindows: what the call-details update does to the tool windows,
// and nothing else. The update decides without Win32; the DLL carries it out
// on the real windows (ToolWindowApplier), the native tests record it.
//
// Every call runs on the user-interface thread, never with the plug-in's lock
// held: a colour change repaints its button at once.
#ifndef STATS_UI_CONTROL_CALL_DETAILS_WINDOWS_H_
#define STATS_UI_CONTROL_CALL_DETAILS_WINDOWS_H_

#include <array>
#include <string>

#include "ui/windows/continent_pages.h"
#include "ui/windows/zone_controls.h"

enum class DetailsWindow {
  kZoneFlags,           // CCont: the zone flags, never shown
  kMultiplier,          // Multiplier with its info button
  kExtendedMultiplier,  // Multiplier_Mult with the continent pages
  kZoneSearch,          // Zone_search: the forty zone buttons
};

using ZoneFlags = std::array<int, kZoneCount>;  // zone z at z - 1; 1 = marked

class CallDetailsWindows {
 public:
  virtual ~CallDetailsWindows() = default;

  // Opens every tool window the control window's options ask for and that is
  // missing (the zone flags hidden).
  virtual void OpenWantedWindows() = 0;

  virtual bool Exists(DetailsWindow window) = 0;

  // Nothing happens for a window that does not exist.
  virtual void SetTitle(DetailsWindow window, const std::string& title) = 0;
  virtual void RepaintInfoButton() = 0;

  // Which opening of a zone window this is: every opening has a new number,
  // never 0, so the update can tell a zone window it has not painted yet.
  virtual unsigned ZoneSearchOpening() = 0;

  // Face, then caption, of the zone button: worked (blue on yellow) or open
  // (green with a near-black number).
  virtual void ColourZone(int zone, bool worked) = 0;

  // The zone flag window's flags, or null without that window. Written
  // directly; RefreshZoneFlags shows them in its check boxes.
  virtual ZoneFlags* Flags() = 0;
  virtual void RefreshZoneFlags() = 0;

  // Writes and shows the box states of all six continent pages, page by page
  // in tab order.
  virtual void SetBoxStates(const PageBoxStates& states) = 0;
};

#endif  // STATS_UI_CONTROL_CALL_DETAILS_WINDOWS_H_
