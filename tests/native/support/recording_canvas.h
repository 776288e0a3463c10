// A Canvas that writes down each call as one short line, for comparing what a
// picture draws with what it should draw.
#ifndef STATS_TESTS_NATIVE_SUPPORT_RECORDING_CANVAS_H_
#define STATS_TESTS_NATIVE_SUPPORT_RECORDING_CANVAS_H_

#include <cstdio>
#include <string>
#include <vector>

#include "ui/windows/canvas.h"

inline std::string Describe(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

inline std::string Describe(Colour c) {
  char text[16];
  std::snprintf(text, sizeof text, "%d/%d/%d", static_cast<int>(c & 0xFF),
                static_cast<int>(c >> 8 & 0xFF), static_cast<int>(c >> 16 & 0xFF));
  return text;
}

class RecordingCanvas : public Canvas {
 public:
  std::vector<std::string> calls;
  Colour textColour = 0;

  void FillSolid(const Rect& r, Colour c) override { Add("fill " + Describe(r) + " " + Describe(c)); }
  void FocusRect(const Rect& r) override { Add("focus " + Describe(r)); }
  void SelectPen(const PenSpec& p) override {
    Add(std::string("pen ") + (p.style == PenSpec::kDotted ? "dotted " : "solid ") +
        std::to_string(p.width) + " " + Describe(p.colour));
  }
  void RestorePen() override { Add("restore pen"); }
  void Ellipse(const Rect& r) override { Add("ellipse " + Describe(r)); }
  void SetTransparentBackground(bool t) override { Add(t ? "transparent" : "opaque"); }
  void SetBackgroundColour(Colour c) override { Add("background " + Describe(c)); }
  Colour SetTextColour(Colour c) override {
    Add("text colour " + Describe(c));
    const Colour old = textColour;
    textColour = c;
    return old;
  }
  void Text(int x, int y, const std::string& t) override {
    Add("text " + std::to_string(x) + "," + std::to_string(y) + " " + t);
  }
  void CentredText(const Rect& r, const std::string& t) override {
    Add("centred " + Describe(r) + " " + t);
  }

 private:
  void Add(const std::string& call) { calls.push_back(call); }
};

#endif  // STATS_TESTS_NATIVE_SUPPORT_RECORDING_CANVAS_H_
