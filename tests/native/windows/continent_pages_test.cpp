// The continent pages' boxes and which of them a band's worked prefixes tick.
#include "ui/windows/continent_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Tick = std::pair<int, std::string>;  // page index, caption as the template shows it

std::set<Tick> Ticked(const PageBoxStates& states) {
  std::set<Tick> ticked;
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = ContinentPages()[page];
    EXPECT_EQ(states[page].size(), static_cast<size_t>(p.boxCount)) << p.className;
    for (size_t box = 0; box < states[page].size(); ++box) {
      EXPECT_TRUE(states[page][box] == 0 || states[page][box] == 1);
      if (states[page][box]) ticked.emplace(page, p.boxes[box].caption);
    }
  }
  return ticked;
}

std::set<Tick> TickedBy(const std::vector<std::string>& worked) {
  return Ticked(BoxStatesForWorked(worked));
}

TEST(ContinentPages, PagesInTabOrder) {
  const struct {
    const char* className;
    int templateId;
    const char* tabText;
    int boxCount;
  } expected[] = {
      {"WAE_ALL", 117, "   EU ", 70}, {"AF_DXCC", 118, "   AF ", 73},
      {"AS_DXCC", 119, "   AS ", 56}, {"NA_DXCC", 120, "   NA ", 50},
      {"SA_DXCC", 121, "   SA ", 31}, {"OC_DXCC", 122, "   OC ", 54},
  };
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = ContinentPages()[page];
    EXPECT_STREQ(p.className, expected[page].className);
    EXPECT_EQ(p.templateId, expected[page].templateId);
    EXPECT_STREQ(p.tabText, expected[page].tabText);
    EXPECT_EQ(p.boxCount, expected[page].boxCount) << p.className;
    std::set<int> ids;
    for (int box = 0; box < p.boxCount; ++box) {
      // Boxes are bound by id: one id, one box.
      EXPECT_TRUE(ids.insert(p.boxes[box].id).second)
          << p.className << " repeats id " << p.boxes[box].id;
    }
  }
}

TEST(ContinentPages, OnlyAfricasThreeWIsHidden) {
  std::vector<Tick> hidden;
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = ContinentPages()[page];
    for (int box = 0; box < p.boxCount; ++box) {
      if (p.boxes[box].hidden) hidden.emplace_back(page, p.boxes[box].caption);
    }
  }
  EXPECT_EQ(hidden, (std::vector<Tick>{{kAfricaPage, "3W"}}));
}

TEST(ContinentPages, CaptionPrefixDropsSurroundingBlanksOnly) {
  const struct {
    const char* caption;
    const char* prefix;
  } cases[] = {
      {" TZ           ", "TZ"}, {"VP8/g", "VP8/g"}, {"DL", "DL"}, {"   ", ""}, {"", ""},
      {"A B", "A B"},
  };
  for (const auto& c : cases) EXPECT_EQ(CaptionPrefix(c.caption), c.prefix) << c.caption;
}

// Every box of every page, worked on its own: its caption without the blanks
// ticks that box and no other, except where a prefix captions a box on two
// pages, and except Africa's hidden "3W".
TEST(ContinentPages, EveryCaptionTicksItsOwnBox) {
  const std::set<std::string> onTwoPages = {"E4", "SU"};
  int checked = 0;
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = ContinentPages()[page];
    for (int box = 0; box < p.boxCount; ++box) {
      const EntityBox& b = p.boxes[box];
      const std::string prefix = CaptionPrefix(b.caption);
      std::set<Tick> expected;
      if (prefix == "3W") {
        expected = {{kAsiaPage, "3W"}};
      } else if (onTwoPages.count(prefix)) {
        expected = {{kAfricaPage, prefix}, {kAsiaPage, prefix}};
      } else {
        expected = {{page, b.caption}};
      }
      EXPECT_EQ(TickedBy({prefix}), expected) << p.className << " \"" << b.caption << "\"";
      ++checked;
    }
  }
  EXPECT_EQ(checked, 70 + 73 + 56 + 50 + 31 + 54);
}

TEST(ContinentPages, AliasesAndNearMisses) {
  const struct {
    const char* worked;
    std::set<Tick> ticked;
  } cases[] = {
      // Worked prefixes spelt otherwise than the box they tick.
      {"UA2/f", {{kEuropePage, "UA2"}}},
      {"3Y", {{kAfricaPage, "3Y/b"}}},
      {"TZ", {{kAfricaPage, " TZ           "}}},
      // One worked entry, two pages; the hidden African box never.
      {"E4", {{kAfricaPage, "E4"}, {kAsiaPage, "E4"}}},
      {"SU", {{kAfricaPage, "SU"}, {kAsiaPage, "SU"}}},
      {"3W", {{kAsiaPage, "3W"}}},
      // The alias ticks only its own box: "UA2" stays "UA2", "3Y/p" is
      // South America's.
      {"UA2", {{kEuropePage, "UA2"}}},
      {"3Y/p", {{kSouthAmericaPage, "3Y/p"}}},
      // Exact, case-sensitive, and the worked entry is not trimmed.
      {"ua2/f", {}},
      {"UA2/F", {}},
      {"dl", {}},
      {" DL", {}},
      {"TZ           ", {}},
      {"3Y/", {}},
      {"UA9/f", {}},
      {"", {}},
      {"W", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TickedBy({c.worked}), c.ticked) << "\"" << c.worked << "\"";
}

TEST(ContinentPages, BandListTicksTheUnionAndNothingElse) {
  EXPECT_EQ(TickedBy({}), std::set<Tick>());
  EXPECT_EQ(TickedBy({"DL", "K", "DL", "UA2/f", "XX", "E4", "VK9X"}),
            (std::set<Tick>{{kEuropePage, "DL"},
                            {kNorthAmericaPage, "K"},
                            {kEuropePage, "UA2"},
                            {kAfricaPage, "E4"},
                            {kAsiaPage, "E4"},
                            {kOceaniaPage, "VK9X"}}));

  // Every caption worked: every visible box ticked, the hidden one clear.
  std::vector<std::string> all;
  for (const ContinentPage& p : ContinentPages()) {
    for (int box = 0; box < p.boxCount; ++box) all.push_back(CaptionPrefix(p.boxes[box].caption));
  }
  const PageBoxStates states = BoxStatesForWorked(all);
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = ContinentPages()[page];
    for (int box = 0; box < p.boxCount; ++box) {
      EXPECT_EQ(states[page][box], p.boxes[box].hidden ? 0 : 1) << p.className << " "
                                                                  << p.boxes[box].caption;
    }
  }
}

TEST(ContinentPages, ClearedStatesHaveOneIntPerBox) {
  const PageBoxStates states = ClearedBoxStates();
  for (int page = 0; page < kContinentPageCount; ++page) {
    EXPECT_EQ(states[page], std::vector<int>(ContinentPages()[page].boxCount, 0));
  }
}

TEST(ContinentPages, PageIndexRange) {
  const struct {
    int index;
    bool valid;
  } cases[] = {{-1, false}, {0, true}, {5, true}, {6, false}};
  for (const auto& c : cases) EXPECT_EQ(IsContinentPageIndex(c.index), c.valid) << c.index;
}

}  // namespace
