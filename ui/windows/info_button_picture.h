// The info button of the multiplier window, decided without the platform:
// what it shows (InfoButtonData, copied from the plug-in's state under its
// lock) and how it draws that on a canvas.
//
// No call typed: the countries worked on the current band, sorted, in a grid
// of 40-pixel cells and 15-pixel lines. A call typed: one row per band with the
// mode, time and zone of the last QSO with that call, the current band's row
// highlighted.
#ifndef STATS_UI_WINDOWS_INFO_BUTTON_PICTURE_H_
#define STATS_UI_WINDOWS_INFO_BUTTON_PICTURE_H_

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "ui/windows/canvas.h"

constexpr int kInfoBands = 6;
using BandLists = std::array<std::vector<std::string>, kInfoBands>;

constexpr Colour kGridBackground = Rgb(255, 250, 198);
constexpr Colour kTableBackground = Rgb(255, 255, 198);
constexpr Colour kCurrentBandHighlight = Rgb(198, 255, 255);

struct InfoButtonData {
  std::string enteredCall;  // empty: the grid picture
  int currentBand = -1;     // 0 (160 m) .. 5 (10 m); -1 while no band is known
  BandLists bandInfoRows;   // per band: name, mode, time, zone, (unused)
  std::vector<std::string> countries;  // worked on the current band, sorted
};

// Copies what the button shows while holding `lock`, the lock under which the
// host's thread rebuilds the per-band lists. The current band's list of
// `bandCountries` is sorted in place first, so the shared list stays sorted as
// the picture shows it.
InfoButtonData TakeInfoButtonData(std::mutex& lock, const std::string& enteredCall,
                                  int currentBand, const BandLists& bandInfoRows,
                                  BandLists& bandCountries);

// The whole picture inside r (r.left and r.top are 0).
void PaintInfoButton(Canvas& canvas, const Rect& r, const InfoButtonData& data);

#endif  // STATS_UI_WINDOWS_INFO_BUTTON_PICTURE_H_
