#include "ui/windows/info_button_picture.h"

#include <algorithm>

namespace {

bool KnownBand(int band) { return band >= 0 && band < kInfoBands; }

void PaintGrid(Canvas& canvas, const Rect& r, const InfoButtonData& data) {
  canvas.FillSolid(r, kGridBackground);
  if (!KnownBand(data.currentBand)) return;
  canvas.SetTransparentBackground(true);
  int x = 5, y = 15;
  for (const std::string& country : data.countries) {
    canvas.Text(x, y, country);
    x += 40;
    if (x > r.right - 40) {
      y += 15;
      x = 5;
    }
  }
}

void PaintTable(Canvas& canvas, const Rect& r, const InfoButtonData& data) {
  canvas.FillSolid(r, kTableBackground);
  const int h = r.bottom / 7;
  const int b = data.currentBand;
  if (KnownBand(b)) canvas.FillSolid({0, (b + 1) * h + 10, r.right, (b + 2) * h}, kCurrentBandHighlight);
  canvas.SetTransparentBackground(true);
  canvas.Text(20, 14, "Band");
  canvas.Text(100, 14, "Mode");
  canvas.Text(140, 0, data.enteredCall);
  canvas.Text(178, 14, "Time");
  canvas.Text(250, 14, "Zone");
  static const int kColumns[] = {20, 100, 180, 260};
  for (int row = 1; row <= kInfoBands; ++row) {
    const std::vector<std::string>& cells = data.bandInfoRows[row - 1];
    const int y = row * h + 10;
    for (size_t c = 0; c < 4 && c < cells.size(); ++c) canvas.Text(kColumns[c], y, cells[c]);
  }
}

}  // namespace

InfoButtonData TakeInfoButtonData(std::mutex& lock, const std::string& enteredCall,
                                  int currentBand, const BandLists& bandInfoRows,
                                  BandLists& bandCountries) {
  std::lock_guard<std::mutex> hold(lock);
  InfoButtonData data;
  data.enteredCall = enteredCall;
  data.currentBand = currentBand;
  data.bandInfoRows = bandInfoRows;
  if (enteredCall.empty() && KnownBand(currentBand)) {
    std::vector<std::string>& shared = bandCountries[currentBand];
    // Byte order, which is the order of these ASCII prefixes in any code page.
    std::sort(shared.begin(), shared.end());
    data.countries = shared;
  }
  return data;
}

void PaintInfoButton(Canvas& canvas, const Rect& r, const InfoButtonData& data) {
  if (data.enteredCall.empty()) {
    PaintGrid(canvas, r, data);
  } else {
    PaintTable(canvas, r, data);
  }
}
