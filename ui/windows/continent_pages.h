// The six continent pages of the extended multiplier window as data: every
// entity check box with its control id, caption and place in its template,
// and which boxes a band's list of worked prefixes ticks. The window classes
// only carry these decisions out; nothing here calls Win32.
#ifndef STATS_UI_WINDOWS_CONTINENT_PAGES_H_
#define STATS_UI_WINDOWS_CONTINENT_PAGES_H_

#include <array>
#include <string>
#include <vector>

// One entity check box, placed in dialog units of its page's template.
struct EntityBox {
  int id;
  const char* caption;  // exactly as the template shows it, blanks included
  int x, y, width;
  bool hidden = false;  // never shown and never ticked
};

struct ContinentPage {
  const char* className;  // the page's window class, e.g. "WAE_ALL"
  int templateId;
  const char* tabText;  // the tab's text, e.g. "   EU "
  int width, height;    // template size, dialog units
  int boxHeight;        // every box of the page is this high, dialog units
  const EntityBox* boxes;
  int boxCount;
};

constexpr int kContinentPageCount = 6;

// Page indexes: the tab order, which is also the order in which the boxes are
// refreshed.
enum ContinentPageIndex {
  kEuropePage = 0,
  kAfricaPage = 1,
  kAsiaPage = 2,
  kNorthAmericaPage = 3,
  kSouthAmericaPage = 4,
  kOceaniaPage = 5,
};

// The six pages in tab order.
const std::array<ContinentPage, kContinentPageCount>& ContinentPages();

bool IsContinentPageIndex(int index);

// A caption compared as a prefix: without the blanks around it.
std::string CaptionPrefix(const char* caption);

// One int per box of each page, in the page's table order: 1 ticked, 0 clear.
using PageBoxStates = std::array<std::vector<int>, kContinentPageCount>;

// Every box of every page clear.
PageBoxStates ClearedBoxStates();

// The box states that show a band's worked prefixes: a visible box is ticked
// when its caption prefix is in the list (case-sensitive), so a prefix that
// captions a box on two pages ticks both. Besides, "UA2/f" ticks Europe's
// "UA2" and "3Y" ticks Africa's "3Y/b". Prefixes without a box tick nothing.
PageBoxStates BoxStatesForWorked(const std::vector<std::string>& workedPrefixes);

// Where a page sits inside the window, in client pixels, for a tab control of
// the given pixel size: below the tab buttons and inside the control's border.
struct PagePlacement {
  int x, y, width, height;
};
PagePlacement PlacePage(int tabWidth, int tabHeight);

#endif  // STATS_UI_WINDOWS_CONTINENT_PAGES_H_
