// The extended multiplier window under wine, built from Stats.dll's own
// templates (the resources are linked into this program, as the window code
// is): its frame, tab control and six pages control by control, paging, box
// states through the owner's interface, colours, the saved position, the
// topmost rule and the closing rules. Writes a screenshot of every page to
// screenshots/ of the working folder. Exits non-zero when a check fails.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "support/expect.h"
#include "tools/host/screenshot.h"
#include "ui/windows/continent_pages.h"
#include "ui/windows/extended_multiplier_window.h"

namespace {

class MapSettings : public Settings {
 public:
  std::map<std::string, std::string> values;
  std::string ReadOr(const std::string& key, const std::string& fallback) override {
    const auto it = values.find(key);
    return (it == values.end() ? fallback : it->second).substr(0, kMaxValueLength);
  }
  void Write(const std::string& key, const std::string& value) override { values[key] = value; }
};

void Pump(int milliseconds = 150) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

std::string Text(HWND window) {
  char buffer[256] = {0};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string ClassOf(HWND window) {
  char buffer[64] = {0};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

// A window's rectangle in its parent's client pixels.
RECT InParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// A template rectangle in pixels, the way the dialog manager converts it:
// the corner and the size each on their own (converting the far corner would
// round differently).
RECT FromDialogUnits(HWND dialog, int x, int y, int cx, int cy) {
  RECT r = {x, y, cx, cy};
  MapDialogRect(dialog, &r);
  return {r.left, r.top, r.left + r.right, r.top + r.bottom};
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

COLORREF PixelAt(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::string Rgb(COLORREF c) {
  return "RGB(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
         std::to_string(GetBValue(c)) + ")";
}

HWND Tabs(HWND frame) { return GetDlgItem(frame, IDC_MULTIPLIER_MULT_TABS); }

int CurrentTab(HWND frame) {
  return static_cast<int>(SendMessageA(Tabs(frame), TCM_GETCURSEL, 0, 0));
}

// A mouse click on tab k, as the tab control gets it.
void ClickTab(HWND frame, int k) {
  RECT item;
  SendMessageA(Tabs(frame), TCM_GETITEMRECT, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(Tabs(frame), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(Tabs(frame), WM_LBUTTONUP, 0, at);
  Pump(50);
}

// Which page windows are visible, as a text of 0 and 1 in tab order.
std::string VisiblePages(Multiplier_Mult& window) {
  std::string shown;
  for (int k = 0; k < kContinentPageCount; ++k) {
    shown += IsWindowVisible(window.Page(k).hwnd()) ? '1' : '0';
  }
  return shown;
}

std::string OnlyPage(int k) {
  std::string shown(kContinentPageCount, '0');
  shown[static_cast<size_t>(k)] = '1';
  return shown;
}

// --- the window as its templates make it -------------------------------------

void CheckFrame(Multiplier_Mult& window) {
  HWND frame = window.hwnd();
  Expect(Text(frame) == "Multiplier", "frame title \"" + Text(frame) + "\"");
  const LONG style = GetWindowLongA(frame, GWL_STYLE);
  Expect((style & WS_VISIBLE) && (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU),
         "frame shown with caption and system menu");
  Expect(!(style & WS_THICKFRAME), "the frame is not resizable");
  Expect(GetParent(frame) == nullptr && GetWindow(frame, GW_OWNER) == nullptr,
         "the frame has no parent");
  Expect(SendMessageA(frame, WM_GETICON, ICON_BIG, 0) != 0, "big icon set");
  Expect(SendMessageA(frame, WM_GETICON, ICON_SMALL, 0) != 0, "small icon set");
  Expect(SendMessageA(frame, WM_QUERYDRAGICON, 0, 0) ==
             SendMessageA(frame, WM_GETICON, ICON_BIG, 0),
         "the drag icon is the window's icon");

  // Tab control and six pages, nothing else.
  const std::vector<HWND> children = Children(frame);
  Expect(children.size() == 7, "frame children: " + std::to_string(children.size()));
  HWND tabs = Tabs(frame);
  Expect(ClassOf(tabs) == "SysTabControl32", "tab control class " + ClassOf(tabs));
  const RECT expectedTabs = FromDialogUnits(frame, 7, 7, 277, 121);
  Expect(SameRect(InParent(tabs), expectedTabs),
         "tab control at " + Describe(InParent(tabs)) + ", template " + Describe(expectedTabs));
  // The dialog manager turns a control's border into a sunken edge.
  const LONG tabStyle = GetWindowLongA(tabs, GWL_STYLE);
  const bool bordered = (tabStyle & WS_BORDER) || (GetWindowLongA(tabs, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  Expect((tabStyle & TCS_BUTTONS) && (tabStyle & TCS_HOTTRACK) && bordered,
         "tabs drawn as buttons, hot tracking, with a border: style " + std::to_string(tabStyle));
  Expect(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0) == kContinentPageCount, "six tabs");
  for (int k = 0; k < kContinentPageCount; ++k) {
    char text[32] = {0};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(&item));
    Expect(std::string(text) == ContinentPages()[k].tabText,
           "tab " + std::to_string(k) + " reads \"" + text + "\"");
  }

  // Every page where the window puts it: inside the tab control, below the
  // buttons.
  const PagePlacement place = PlacePage(expectedTabs.right - expectedTabs.left,
                                        expectedTabs.bottom - expectedTabs.top);
  const RECT expectedPage = {place.x, place.y, place.x + place.width, place.y + place.height};
  RECT shownPage = InParent(window.Page(kEuropePage).hwnd());
  Expect(SameRect(shownPage, expectedPage),
         "the shown page at " + Describe(shownPage) + ", expected " + Describe(expectedPage));
}

void CheckPages(Multiplier_Mult& window) {
  for (int k = 0; k < kContinentPageCount; ++k) {
    const ContinentPage& p = ContinentPages()[k];
    HWND page = window.Page(k).hwnd();
    const std::string name = p.className;
    Expect(page && GetParent(page) == window.hwnd(), name + " is a child of the frame");
    Expect(ClassOf(page) == "#32770", name + " is a dialog");
    const LONG style = GetWindowLongA(page, GWL_STYLE);
    Expect((style & WS_CHILD) && !(style & WS_CAPTION), name + " is a child without caption");
    const std::vector<HWND> boxes = Children(page);
    Expect(boxes.size() == static_cast<size_t>(p.boxCount),
           name + " holds " + std::to_string(boxes.size()) + " controls");
    for (int i = 0; i < p.boxCount && i < static_cast<int>(boxes.size()); ++i) {
      const EntityBox& b = p.boxes[i];
      HWND box = boxes[static_cast<size_t>(i)];
      const std::string label = name + " box \"" + b.caption + "\"";
      Expect(GetDlgCtrlID(box) == b.id, label + " id " + std::to_string(GetDlgCtrlID(box)));
      Expect(Text(box) == b.caption, label + " caption \"" + Text(box) + "\"");
      Expect(ClassOf(box) == "Button", label + " class");
      Expect((GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX,
             label + " is an auto check box");
      const RECT expected = FromDialogUnits(page, b.x, b.y, b.width, p.boxHeight);
      Expect(SameRect(InParent(box), expected),
             label + " at " + Describe(InParent(box)) + ", expected " + Describe(expected));
      const LONG boxStyle = GetWindowLongA(box, GWL_STYLE);
      Expect(((boxStyle & WS_VISIBLE) == 0) == b.hidden, label + " visibility");
      Expect(((boxStyle & WS_DISABLED) != 0) == b.hidden, label + " enabled state");
      Expect(SendMessageA(box, BM_GETCHECK, 0, 0) == BST_UNCHECKED, label + " starts clear");
    }
  }
}

// --- paging --------------------------------------------------------------------

void CheckPaging(Multiplier_Mult& window) {
  HWND frame = window.hwnd();
  Expect(VisiblePages(window) == OnlyPage(kEuropePage) && CurrentTab(frame) == 0,
         "opens on Europe: pages " + VisiblePages(window));
  for (int k : {kNorthAmericaPage, kAfricaPage, kOceaniaPage, kAsiaPage, kSouthAmericaPage}) {
    ClickTab(frame, k);
    Expect(VisiblePages(window) == OnlyPage(k) && CurrentTab(frame) == k,
           "a click on tab " + std::to_string(k) + " shows pages " + VisiblePages(window));
  }
  window.SelectPage(-1);
  window.SelectPage(6);
  Expect(VisiblePages(window) == OnlyPage(kSouthAmericaPage),
         "a page index outside 0 to 5 changes nothing");
  // Hidden and shown again, with South America the last tab used.
  ShowWindow(frame, SW_HIDE);
  ShowWindow(frame, SW_SHOW);
  Pump(50);
  Expect(VisiblePages(window) == OnlyPage(kEuropePage) && CurrentTab(frame) == 0,
         "shown again, the window is back on Europe: pages " + VisiblePages(window));
}

// --- box states ---------------------------------------------------------------

int Checked(Multiplier_Mult& window, int page, int box) {
  const int id = ContinentPages()[page].boxes[box].id;
  return SendDlgItemMessageA(window.Page(page).hwnd(), id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int BoxIndex(int page, const char* caption) {
  const ContinentPage& p = ContinentPages()[page];
  for (int i = 0; i < p.boxCount; ++i) {
    if (std::string(p.boxes[i].caption) == caption) return i;
  }
  return -1;
}

void CheckBoxStates(Multiplier_Mult& window, const PageBoxStates& states, const std::string& when) {
  int wrong = 0;
  for (int page = 0; page < kContinentPageCount; ++page) {
    for (int box = 0; box < ContinentPages()[page].boxCount; ++box) {
      if (Checked(window, page, box) != states[page][static_cast<size_t>(box)]) ++wrong;
    }
  }
  Expect(wrong == 0, when + ": " + std::to_string(wrong) + " boxes differ from their states");
}

void CheckBoxes(Multiplier_Mult& window) {
  const PageBoxStates worked =
      BoxStatesForWorked({"DL", "E4", "SU", "3W", "UA2/f", "TZ", "3Y", "K", "PY0F", "VK9X"});
  window.SetBoxStates(worked);
  CheckBoxStates(window, worked, "after SetBoxStates");
  const int africa3W = BoxIndex(kAfricaPage, "3W");
  Expect(africa3W >= 0 && !Checked(window, kAfricaPage, africa3W),
         "Africa's hidden 3W stays clear while 3W is worked");
  Expect(Checked(window, kAsiaPage, BoxIndex(kAsiaPage, "3W")), "Asia's 3W is ticked");

  // A box ticked by hand lasts until the next update.
  HWND page = window.Page(kEuropePage).hwnd();
  const int f = BoxIndex(kEuropePage, "F");
  SendMessageA(GetDlgItem(page, ContinentPages()[kEuropePage].boxes[f].id), BM_CLICK, 0, 0);
  Expect(Checked(window, kEuropePage, f) == 1, "a click ticks a box on screen");
  Expect(window.Page(kEuropePage).m_boxState[static_cast<size_t>(f)] == 0,
         "the click does not reach the page's state");
  window.SetBoxStates(worked);
  Expect(Checked(window, kEuropePage, f) == 0, "the next update clears the hand-ticked box");

  // One page written by itself.
  ContinentPageDialog& oceania = window.Page(kOceaniaPage);
  oceania.m_boxState[0] = 1;
  oceania.ShowBoxStates();
  Expect(Checked(window, kOceaniaPage, 0) == 1, "a page shows a state written into it");

  window.SetBoxStates(ClearedBoxStates());
  CheckBoxStates(window, ClearedBoxStates(), "after clearing");
}

// --- colours and closing -----------------------------------------------------

void CheckColours(Multiplier_Mult& window) {
  const COLORREF background = RGB(255, 250, 198);
  HWND frame = window.hwnd();
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(100);
  const COLORREF frameColour = PixelAt(frame, 3, 3);
  Expect(frameColour == background, "frame background " + Rgb(frameColour));
  HWND page = window.Page(kEuropePage).hwnd();
  RECT client;
  GetClientRect(page, &client);
  const COLORREF pageColour = PixelAt(page, client.right - 3, client.bottom - 3);
  Expect(pageColour == background, "page background " + Rgb(pageColour));

  HDC dc = GetDC(page);
  HWND box = GetWindow(page, GW_CHILD);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
  LOGBRUSH info = {};
  Expect(brush && GetObjectA(brush, sizeof info, &info) && info.lbColor == background,
         "a box's colour request gets the background brush");
  Expect(GetTextColor(dc) == RGB(0, 0, 0) && GetBkColor(dc) == background,
         "a box's text is black on the background");
  ReleaseDC(page, dc);
}

void CheckNotClosedByAccident(Multiplier_Mult& window) {
  HWND frame = window.hwnd();
  const UINT state = GetMenuState(GetSystemMenu(frame, FALSE), SC_CLOSE, MF_BYCOMMAND);
  Expect((state & MF_DISABLED) && !(state & MF_GRAYED),
         "Close in the system menu is disabled, not greyed: state " + std::to_string(state));
  SendMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
  SendMessageA(frame, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  SendMessageA(frame, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  SendMessageA(window.Page(kEuropePage).hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  Pump(50);
  Expect(IsWindow(frame) && IsWindowVisible(frame) && window.Page(kEuropePage).hwnd(),
         "title-bar Close, Escape and Enter leave the window open");
}

// --- screenshots ---------------------------------------------------------------

void WriteScreenshots(Multiplier_Mult& window) {
  CreateDirectoryA("screenshots", nullptr);
  window.SetTitle("CQ-WW-CW 2016  DXCC worked on 20m");
  window.SetBoxStates(BoxStatesForWorked(
      {"DL", "F", "G", "I", "OK", "UA2/f", "SM", "3W", "E4", "SU", "TZ", "3Y", "ZS", "5Z", "JA",
       "BY", "UA9", "K", "VE", "XE", "KP4", "VP2E", "PY", "LU", "CE0X", "VP8/h", "VK", "ZL",
       "KH6", "VK9X", "KH8/s"}));
  const char* names[kContinentPageCount] = {"EU", "AF", "AS", "NA", "SA", "OC"};
  for (int k = 0; k < kContinentPageCount; ++k) {
    window.SelectPage(k);
    RedrawWindow(window.hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(150);
    const std::string path = std::string("screenshots/extended_multiplier_") + names[k] + ".png";
    Expect(screenshot::WriteWindowPng(window.hwnd(), path), "screenshot " + path);
  }
}

}  // namespace

int main() {
  MapSettings settings;
  settings.values["dxcc_extended_x"] = "40";
  settings.values["dxcc_extended_y"] = "30";
  LastWindowPosition last;

  auto window = std::make_unique<Multiplier_Mult>(settings, last, true);
  Expect(window->CreateAndShow(), "the window is created");
  if (!window->hwnd()) return CheckResult();
  Pump();
  HWND frame = window->hwnd();
  RECT at;
  GetWindowRect(frame, &at);
  Expect(at.left == 40 && at.top == 30, "opens at its saved place, got " + Describe(at));
  Expect(last.x == 40 && last.y == 30, "the shared pair holds the loaded place");
  Expect((GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, "topmost when asked");

  CheckFrame(*window);
  CheckPages(*window);
  CheckPaging(*window);
  CheckBoxes(*window);
  CheckColours(*window);
  CheckNotClosedByAccident(*window);
  window->SetTitle("CQ-WW-SSB worked with Q1ABC");
  Expect(Text(frame) == "CQ-WW-SSB worked with Q1ABC", "retitled: \"" + Text(frame) + "\"");
  WriteScreenshots(*window);

  // Moved, then the mouse passes over it: the place is written.
  SetWindowPos(frame, nullptr, 210, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Expect(settings.values["dxcc_extended_x"] == "40", "a move alone writes nothing");
  SendMessageA(frame, WM_SETCURSOR, reinterpret_cast<WPARAM>(frame), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  Expect(settings.values["dxcc_extended_x"] == "210" && settings.values["dxcc_extended_y"] == "160",
         "the mouse over the window writes its place: " + settings.values["dxcc_extended_x"] +
             ", " + settings.values["dxcc_extended_y"]);

  window->Close();
  Expect(window->hwnd() == nullptr && !IsWindow(frame), "Close destroys the window");
  window->Close();  // nothing left to close

  // Opened again: where it was left, not topmost this time, on Europe.
  window = std::make_unique<Multiplier_Mult>(settings, last, false);
  Expect(window->CreateAndShow(), "the window is created again");
  Pump();
  GetWindowRect(window->hwnd(), &at);
  Expect(at.left == 210 && at.top == 160, "reopens where it was left, got " + Describe(at));
  Expect((GetWindowLongA(window->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0,
         "not topmost when not asked");
  Expect(VisiblePages(*window) == OnlyPage(kEuropePage), "reopens on Europe");
  CheckBoxStates(*window, ClearedBoxStates(), "a new window");
  window.reset();

  // Keys missing, or a place on no monitor: the default place.
  for (const char* saved : {"", "-30000"}) {
    MapSettings other;
    if (*saved) other.values["dxcc_extended_x"] = other.values["dxcc_extended_y"] = saved;
    Multiplier_Mult lost(other, last, false);
    Expect(lost.CreateAndShow(), "created with saved place \"" + std::string(saved) + "\"");
    GetWindowRect(lost.hwnd(), &at);
    Expect(at.left == 10 && at.top == 400,
           "saved \"" + std::string(saved) + "\" opens at the default, got " + Describe(at));
  }

  return CheckResult();
}
