// The drawn buttons' shapes as drawing calls: the rings of a rectangle's
// frame, the rectangle's and the ellipse's whole body in each button state,
// and the caption.
#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "ui/windows/drawn_object.h"

namespace {

using Calls = std::vector<std::string>;

TEST(DrawnRectFrame, RingColoursForEveryDepth) {
  const Rect r{0, 0, 10, 8};
  const struct {
    int depth;
    Calls calls;
  } cases[] = {
      {0, {}},
      // One ring: white and grey; raised puts the white top and left.
      {1,
       {"fill 0,0,9,1 255/255/255", "fill 0,0,1,7 255/255/255", "fill 9,0,10,8 128/128/128",
        "fill 0,7,10,8 128/128/128"}},
      {-1,
       {"fill 0,0,9,1 128/128/128", "fill 0,0,1,7 128/128/128", "fill 9,0,10,8 255/255/255",
        "fill 0,7,10,8 255/255/255"}},
      // Two rings, working inward: 255 / 127, then 223 / 85.
      {2,
       {"fill 0,0,9,1 255/255/255", "fill 0,0,1,7 255/255/255", "fill 9,0,10,8 127/127/127",
        "fill 0,7,10,8 127/127/127", "fill 1,1,8,2 223/223/223", "fill 1,1,2,6 223/223/223",
        "fill 8,1,9,7 85/85/85", "fill 1,6,9,7 85/85/85"}},
      {-2,
       {"fill 0,0,9,1 127/127/127", "fill 0,0,1,7 127/127/127", "fill 9,0,10,8 255/255/255",
        "fill 0,7,10,8 255/255/255", "fill 1,1,8,2 85/85/85", "fill 1,1,2,6 85/85/85",
        "fill 8,1,9,7 223/223/223", "fill 1,6,9,7 223/223/223"}},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    DrawnRect().DrawFrame(canvas, r, c.depth);
    EXPECT_EQ(canvas.calls, c.calls) << "depth " << c.depth;
  }
}

TEST(DrawnRectFrame, DeeperFramesTakeTheirGreysFromTheRingNumber) {
  EXPECT_EQ(FrameRingColours(3, 3).light, Rgb(213, 213, 213));
  EXPECT_EQ(FrameRingColours(3, 3).dark, Rgb(63, 63, 63));
}

// The frames of the body without their fills: which rings and marks each state
// brings.
TEST(DrawnRect, BodyByState) {
  const Rect r{0, 0, 20, 10};
  const struct {
    ButtonState state;
    bool sunkenRing;
    bool focusMark;
  } cases[] = {
      {{false, false, false}, false, false},
      {{true, false, false}, false, false},  // pressed without focus shows neither
      {{false, false, true}, false, true},
      {{true, false, true}, true, true},
      {{false, true, false}, false, false},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    DrawnRect().Draw(canvas, r, c.state, Rgb(0, 255, 0));
    const Calls& calls = canvas.calls;
    ASSERT_GE(calls.size(), 9u);
    EXPECT_EQ(calls[0], "fill 0,0,20,10 0/255/0") << "the face first";
    const size_t expected = 9 + (c.sunkenRing ? 4 : 0) + (c.focusMark ? 1 : 0);
    ASSERT_EQ(calls.size(), expected);
    if (c.sunkenRing) {
      EXPECT_EQ(calls[9], "fill 0,0,19,1 128/128/128") << "grey on top";
    }
    if (c.focusMark) {
      EXPECT_EQ(calls.back(), "focus 2,2,18,8");
    }
  }
}

TEST(DrawnEllipse, FillPaintsConcentricOutlinesUntilEmpty) {
  RecordingCanvas canvas;
  DrawnEllipse().Fill(canvas, {0, 0, 6, 4}, Rgb(0, 0, 255));
  EXPECT_EQ(canvas.calls, (Calls{"pen solid 3 0/0/255", "ellipse 1,1,5,3", "ellipse 2,2,4,2",
                                 "restore pen"}));
}

TEST(DrawnEllipse, BodyByState) {
  const Rect r{0, 0, 12, 12};
  const Colour face = Rgb(0, 255, 0);
  auto frame = [](const char* rect, const char* grey) {
    return Calls{std::string("pen solid 2 ") + grey, std::string("ellipse ") + rect, "restore pen"};
  };
  auto fill = [](Rect w) {
    Calls calls{"pen solid 3 0/255/0"};
    while (!w.Empty()) {
      w = w.Shrunk(1);
      calls.push_back("ellipse " + Describe(w));
    }
    calls.push_back("restore pen");
    return calls;
  };
  auto join = [](std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const Calls plain = join({frame("1,1,11,11", "128/128/128"), fill({2, 2, 10, 10})});
  const Calls focusTail =
      join({fill({2, 2, 10, 10}),
            {"pen dotted 1 1/1/1", "opaque", "background 0/255/0", "ellipse 4,4,8,8", "restore pen"},
            fill({5, 5, 7, 7})});
  const struct {
    ButtonState state;
    Calls calls;
  } cases[] = {
      {{false, false, false}, plain},
      {{true, false, false}, plain},
      {{false, false, true}, join({plain, focusTail})},
      {{true, false, true},
       join({plain, frame("1,1,11,11", "1/1/1"), frame("2,2,10,10", "1/1/1"), focusTail})},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas;
    DrawnEllipse().Draw(canvas, r, c.state, face);
    EXPECT_EQ(canvas.calls, c.calls) << "selected " << c.state.selected << " focus " << c.state.focus;
  }
}

TEST(DrawnObject, CaptionInItsColourThenTheOldColourBack) {
  RecordingCanvas canvas;
  canvas.textColour = Rgb(9, 9, 9);
  DrawnEllipse().DrawCaption(canvas, {0, 0, 30, 20}, "14", Rgb(255, 255, 0));
  EXPECT_EQ(canvas.calls, (Calls{"text colour 255/255/0", "transparent", "centred 0,0,30,20 14",
                                 "text colour 9/9/9"}));
}

TEST(DrawnObject, OnlyShapeOneIsAnEllipse) {
  for (int shape : {0, 2, -1}) {
    EXPECT_NE(dynamic_cast<DrawnRect*>(MakeDrawnObject(shape).get()), nullptr) << shape;
  }
  EXPECT_NE(dynamic_cast<DrawnEllipse*>(MakeDrawnObject(kEllipseShape).get()), nullptr);
}

}  // namespace
