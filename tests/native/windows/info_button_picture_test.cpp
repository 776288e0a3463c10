// The info button's two pictures as drawing calls, and the copy of the shared
// lists it paints from.
#include <gtest/gtest.h>

#include <thread>

#include "support/recording_canvas.h"
#include "ui/windows/info_button_picture.h"

namespace {

using Calls = std::vector<std::string>;

Calls Paint(const Rect& r, const InfoButtonData& data) {
  RecordingCanvas canvas;
  PaintInfoButton(canvas, r, data);
  return canvas.calls;
}

TEST(InfoButtonGrid, CountriesInCellsOf40WrappingAtTheRightEdge) {
  const struct {
    const char* what;
    int band;
    std::vector<std::string> countries;
    int right;
    Calls calls;
  } cases[] = {
      {"no band known: background only", -1, {"DL"}, 200, {"fill 0,0,200,100 255/250/198"}},
      {"an empty list draws nothing", 3, {}, 200, {"fill 0,0,200,100 255/250/198", "transparent"}},
      {"x 5, 45, 85, 125, then 165 > 160 starts a line",
       3,
       {"DL", "F", "G", "I", "OH", "SM"},
       200,
       {"fill 0,0,200,100 255/250/198", "transparent", "text 5,15 DL", "text 45,15 F",
        "text 85,15 G", "text 125,15 I", "text 5,30 OH", "text 45,30 SM"}},
      {"a narrow button puts one entry on each line",
       0,
       {"DL", "F"},
       60,
       {"fill 0,0,60,100 255/250/198", "transparent", "text 5,15 DL", "text 5,30 F"}},
  };
  for (const auto& c : cases) {
    InfoButtonData data;
    data.currentBand = c.band;
    data.countries = c.countries;
    EXPECT_EQ(Paint({0, 0, c.right, 100}, data), c.calls) << c.what;
  }
}

TEST(InfoButtonTable, RowsOfRBottomBy7WithTheCurrentBandHighlighted) {
  InfoButtonData data;
  data.enteredCall = "Q1ABC";
  const char* names[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  for (int b = 0; b < kInfoBands; ++b) data.bandInfoRows[b] = {names[b], "   -", "   -", " -", "   -"};
  data.bandInfoRows[3] = {"20m", "CW", "12:34", "14", "x"};

  const Calls header = {"transparent",      "text 20,14 Band", "text 100,14 Mode",
                        "text 140,0 Q1ABC", "text 178,14 Time", "text 250,14 Zone"};
  // R.bottom 100: h = 14, row r at y = 14 r + 10.
  Calls rows;
  for (int r = 1; r <= kInfoBands; ++r) {
    const auto& cells = data.bandInfoRows[r - 1];
    const std::string y = std::to_string(14 * r + 10);
    rows.push_back("text 20," + y + " " + cells[0]);
    rows.push_back("text 100," + y + " " + cells[1]);
    rows.push_back("text 180," + y + " " + cells[2]);
    rows.push_back("text 260," + y + " " + cells[3]);
  }
  auto expect = [&](std::initializer_list<std::string> start) {
    Calls all(start);
    all.insert(all.end(), header.begin(), header.end());
    all.insert(all.end(), rows.begin(), rows.end());
    return all;
  };

  const struct {
    int band;
    Calls calls;
  } cases[] = {
      {-1, expect({"fill 0,0,300,100 255/255/198"})},
      {0, expect({"fill 0,0,300,100 255/255/198", "fill 0,24,300,28 198/255/255"})},
      {3, expect({"fill 0,0,300,100 255/255/198", "fill 0,66,300,70 198/255/255"})},
      {5, expect({"fill 0,0,300,100 255/255/198", "fill 0,94,300,98 198/255/255"})},
  };
  for (const auto& c : cases) {
    data.currentBand = c.band;
    EXPECT_EQ(Paint({0, 0, 300, 100}, data), c.calls) << "band " << c.band;
  }
}

TEST(InfoButtonTable, ShortRowsDrawOnlyTheirCells) {
  InfoButtonData data;
  data.enteredCall = "Q1ABC";
  data.bandInfoRows[0] = {"160m"};
  const Calls calls = Paint({0, 0, 300, 70}, data);
  EXPECT_EQ(calls.back(), "text 20,20 160m");
}

BandLists Countries(int band, std::vector<std::string> list) {
  BandLists lists;
  lists[band] = std::move(list);
  return lists;
}

TEST(InfoButtonData, GridSortsTheSharedListAndPaintsTheSortedCopy) {
  std::mutex lock;
  BandLists shared = Countries(2, {"SM", "DL", "F", "4X", "EA"});
  const InfoButtonData data = TakeInfoButtonData(lock, "", 2, BandLists{}, shared);
  const std::vector<std::string> sorted = {"4X", "DL", "EA", "F", "SM"};
  EXPECT_EQ(data.countries, sorted);
  EXPECT_EQ(shared[2], sorted) << "the state's list is sorted as well";
}

TEST(InfoButtonData, NothingIsSortedWithoutABandOrWhileACallIsTyped) {
  std::mutex lock;
  for (const auto& [call, band] : {std::pair<std::string, int>{"", -1}, {"Q1ABC", 2}}) {
    BandLists shared = Countries(2, {"SM", "DL"});
    const InfoButtonData data = TakeInfoButtonData(lock, call, band, BandLists{}, shared);
    EXPECT_TRUE(data.countries.empty());
    EXPECT_EQ(shared[2], (std::vector<std::string>{"SM", "DL"}));
  }
}

// The copy waits for the lock that the host's thread holds while it rebuilds
// the lists, so it never sees (or sorts) a list half rebuilt.
TEST(InfoButtonData, TakenOnlyUnderTheLock) {
  std::mutex lock;
  BandLists shared = Countries(1, {"OLD"});
  std::unique_lock<std::mutex> host(lock);
  InfoButtonData data;
  std::thread ui([&] { data = TakeInfoButtonData(lock, "", 1, BandLists{}, shared); });
  shared[1] = {"ZL", "VK", "JA"};
  host.unlock();
  ui.join();
  EXPECT_EQ(data.countries, (std::vector<std::string>{"JA", "VK", "ZL"}));
}

}  // namespace
