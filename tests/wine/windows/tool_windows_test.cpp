// The tool windows as the window thread will run them, from the real
// templates: the multiplier window with both pictures of its info button, the
// zone window's drawn buttons and their colours, the zone flag window's check
// boxes, and what all of them share (position, topmost, icon, Close). Pixels
// are read back from the windows on screen, and the drawn shapes from a memory
// bitmap. It writes a screenshot of each window as a PNG file under
// screenshots/ of the working folder. Exits non-zero when a check failed.
#include <windows.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "engine/settings.h"
#include "resources/resource_ids.h"
#include "support/expect.h"
#include "tools/host/screenshot.h"
#include "ui/message_loop.h"
#include "ui/windows/drawn_object.h"
#include "ui/windows/gdi_canvas.h"
#include "ui/windows/multiplier.h"
#include "ui/windows/zone_windows.h"

namespace {

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "%d/%d/%d", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

void ExpectColour(COLORREF got, COLORREF want, const std::string& what) {
  Expect(got == want, what + " (" + Hex(got) + ", want " + Hex(want) + ")");
}

// --- the plug-in's side, as the tests need it --------------------------------

// The plug-in's settings, in memory; the shared last position and the
// topmost option as the plug-in holds them.
struct ToolSettings : Settings {
  std::map<std::string, std::string> values;
  LastWindowPosition last;
  bool onTop = false;

  std::string ReadOr(const std::string& key, const std::string& fallback) override {
    const auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
  }
  void Write(const std::string& key, const std::string& value) override { values[key] = value; }
};

void Settle() {
  for (int i = 0; i < 5; ++i) {
    PumpWaitingMessages();
    Sleep(20);
  }
}

RECT WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

// A pixel of a window's client area as it is on screen now.
COLORREF Pixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

bool AnyPixel(HWND window, COLORREF colour) {
  RECT r;
  GetClientRect(window, &r);
  HDC dc = GetDC(window);
  bool found = false;
  for (int y = 0; y < r.bottom && !found; ++y) {
    for (int x = 0; x < r.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
  }
  ReleaseDC(window, dc);
  return found;
}

// As the dialog manager converts a template item: corner and size each on
// their own.
RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
  RECT r = {x, y, cx, cy};
  MapDialogRect(dialog, &r);
  return {r.left, r.top, r.left + r.right, r.top + r.bottom};
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

RECT ChildRect(HWND dialog, HWND child) {
  RECT r = WindowRect(child);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

int ChildCount(HWND dialog) {
  int n = 0;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++n;
  return n;
}

std::string Text(HWND window) {
  char text[256] = {0};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// --- screenshots --------------------------------------------------------------

void Screenshot(HWND window, const std::string& name) {
  Expect(screenshot::SaveRepainted(window, name, Settle), "screenshot " + name + " written");
}

// --- what every tool window shares ---------------------------------------------

void CheckShared(ToolWindow& window, ToolSettings& settings, const char* name, const char* xKey,
                 const char* yKey) {
  HWND w = window.hwnd();
  const RECT r = WindowRect(w);
  Expect(r.left == 10 && r.top == 400,
         std::string(name) + " opens at (10, 400) without saved keys, got (" +
             std::to_string(r.left) + ", " + std::to_string(r.top) + ")");
  Expect(settings.last.x == 10 && settings.last.y == 400,
         std::string(name) + " records (10, 400) as the last position");
  Expect(SendMessageA(w, WM_GETICON, ICON_BIG, 0) != 0, std::string(name) + " has the big icon");
  const UINT close = GetMenuState(GetSystemMenu(w, FALSE), SC_CLOSE, MF_BYCOMMAND);
  Expect((close & MF_DISABLED) && !(close & MF_GRAYED),
         std::string(name) + ": Close of the system menu is disabled, not greyed");
  Expect(!(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST),
         std::string(name) + " is not topmost while the option is off");

  // Neither Escape, nor Enter, nor the system menu's Close ends it.
  PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(w, WM_KEYDOWN, VK_RETURN, 0);
  Settle();
  SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
  Expect(IsWindow(w) && window.hwnd() == w,
         std::string(name) + " survives Escape, Enter and the system menu's Close");

  // A move is saved at the next mouse movement over the window.
  SetWindowPos(w, nullptr, 222, 333, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Expect(settings.values.count(xKey) == 0, std::string(name) + " saves nothing on the move itself");
  SendMessageA(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
  Expect(settings.values[xKey] == "222" && settings.values[yKey] == "333",
         std::string(name) + " saves its corner as " + xKey + " and " + yKey);
}

template <class Window, class... Args>
void CheckReopening(ToolSettings& settings, const char* name, Args&&... args) {
  // Reopened where it was saved, topmost now that the option is on.
  Window again(settings, settings.last, true, std::forward<Args>(args)...);
  Expect(again.Open(true), std::string(name) + " opens again");
  const RECT r = WindowRect(again.hwnd());
  Expect(r.left == 222 && r.top == 333, std::string(name) + " reopens at its saved corner");
  Expect((GetWindowLongA(again.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
         std::string(name) + " opens topmost with the option on");
  again.Close();
  Expect(again.hwnd() == nullptr, std::string(name) + " closes on its owner's request");
}

// --- the multiplier window -------------------------------------------------------

InfoButtonData g_info;

void CheckMultiplier() {
  ToolSettings settings;
  g_info = InfoButtonData();
  auto source = [] { return g_info; };
  Multiplier window(settings, settings.last, false, source);
  Expect(window.Open(false), "the multiplier window opens");
  HWND w = window.hwnd();
  Expect(!IsWindowVisible(w), "the multiplier window stays hidden until shown");
  ShowWindow(w, SW_SHOWNORMAL);
  Expect(Text(w) == "Multiplier", "the multiplier window's title is \"Multiplier\"");
  HWND button = window.Item(IDC_INFO_BUTTON);
  Expect(ChildCount(w) == 1 && button && Text(button) == "Button2",
         "one control: the info button 1016 \"Button2\"");
  Expect((GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW,
         "the info button is owner-drawn");
  Expect((GetWindowLongA(w, GWL_STYLE) & WS_THICKFRAME) != 0, "the multiplier window is resizable");
  Expect(SameRect(ChildRect(w, button), DialogUnits(w, 2, 2, 238, 113)),
         "the info button sits at 2, 2, 238 x 113 dialog units: " + Describe(ChildRect(w, button)) +
             " for " + Describe(DialogUnits(w, 2, 2, 238, 113)));
  CheckShared(window, settings, "the multiplier window", "dxcc_x", "dxcc_y");

  // Resized, the button keeps margins of 1 left and top, 3 right and bottom.
  SetWindowPos(w, nullptr, 0, 0, 420, 200, SWP_NOMOVE | SWP_NOZORDER);
  RECT client;
  GetClientRect(w, &client);
  const RECT expected = {1, 1, 1 + client.right - 4, 1 + client.bottom - 4};
  Expect(SameRect(ChildRect(w, button), expected), "the info button follows the window's size");

  // Grid picture: background only while no band is known.
  window.SetTitle("CQ-WW-CW 2016  DXCC worked on 20m");
  Expect(Text(w) == "CQ-WW-CW 2016  DXCC worked on 20m", "the owner retitles the window");
  window.RepaintInfoButton();
  Settle();
  ExpectColour(Pixel(button, 30, 60), RGB(255, 250, 198), "grid without a band: background");
  Expect(!AnyPixel(button, RGB(0, 0, 0)), "grid without a band: no text");
  g_info.currentBand = 3;
  g_info.countries = {"4X", "DL", "EA", "F", "G", "HA", "I", "OH", "OK", "ON", "SM", "SP",
                      "UA", "UR", "YL", "YO", "YU", "Z3", "ZA", "9A"};
  window.RepaintInfoButton();
  Settle();
  ExpectColour(Pixel(button, 2, 2), RGB(255, 250, 198), "grid: background in the corner");
  Expect(AnyPixel(button, RGB(0, 0, 0)), "grid: the countries are written in black");
  Screenshot(w, "multiplier_grid");

  // Table picture: highlight of the current band's row.
  g_info.enteredCall = "Q1ABC";
  const char* names[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  for (int b = 0; b < 6; ++b) g_info.bandInfoRows[b] = {names[b], "   -", "   -", " -", "   -"};
  g_info.bandInfoRows[3] = {"20m", "CW", "12:34", "14", "   -"};
  g_info.bandInfoRows[1] = {"80m", "CW", "01:02", "14", "   -"};
  window.SetTitle("CQ-WW-CW worked with Q1ABC");
  window.RepaintInfoButton();
  Settle();
  RECT r;
  GetClientRect(button, &r);
  const int h = r.bottom / 7;
  ExpectColour(Pixel(button, 2, 2), RGB(255, 255, 198), "table: background");
  ExpectColour(Pixel(button, r.right - 2, 4 * h + 12), RGB(198, 255, 255),
               "table: the current band's row is highlighted");
  ExpectColour(Pixel(button, r.right - 2, 3 * h + 12), RGB(255, 255, 198),
               "table: the row above is not");
  Screenshot(w, "multiplier_table");
  g_info.currentBand = -1;
  window.RepaintInfoButton();
  Settle();
  ExpectColour(Pixel(button, r.right - 2, 4 * h + 12), RGB(255, 255, 198),
               "table without a band: no highlight");

  window.Close();
  Expect(!IsWindow(w) && window.hwnd() == nullptr, "the multiplier window closes");
  CheckReopening<Multiplier>(settings, "the multiplier window", source);

  // A corner saved on a monitor that is gone opens where it can be reached.
  settings.values["dxcc_x"] = "-5000";
  settings.values["dxcc_y"] = "300";
  Multiplier lost(settings, settings.last, false, source);
  lost.Open(true);
  const RECT at = WindowRect(lost.hwnd());
  Expect(at.left == 10 && at.top == 400, "a corner on no monitor opens at (10, 400)");
  lost.Close();
}

// --- drawn shapes in a memory bitmap ------------------------------------------

struct Bitmap32 {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  Bitmap32(int w, int h) {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bitmap);
    const RECT all = {0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Bitmap32() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
};

void CheckDrawnShapes() {
  const COLORREF face = RGB(0, 255, 0);
  {
    Bitmap32 b(40, 20);
    GdiCanvas canvas(b.dc);
    DrawnRect().Draw(canvas, {0, 0, 40, 20}, ButtonState{}, face);
    ExpectColour(b.At(0, 0), RGB(255, 255, 255), "rectangle: outer ring light top-left");
    ExpectColour(b.At(39, 0), RGB(127, 127, 127), "rectangle: top-right corner takes the dark grey");
    ExpectColour(b.At(1, 1), RGB(223, 223, 223), "rectangle: inner ring light");
    ExpectColour(b.At(38, 18), RGB(85, 85, 85), "rectangle: inner ring dark");
    ExpectColour(b.At(20, 10), face, "rectangle: face inside");
    ExpectColour(b.At(2, 10), face, "rectangle: no focus mark without focus");
  }
  {
    Bitmap32 b(40, 20);
    GdiCanvas canvas(b.dc);
    DrawnRect().Draw(canvas, {0, 0, 40, 20}, ButtonState{true, false, true}, face);
    ExpectColour(b.At(0, 5), RGB(128, 128, 128), "rectangle pressed: grey on the left");
    ExpectColour(b.At(39, 5), RGB(255, 255, 255), "rectangle pressed: white on the right");
    bool mark = false;
    for (int y = 8; y < 12; ++y) mark = mark || b.At(2, y) != face;
    Expect(mark, "rectangle with focus: the dotted mark inside the edge");
  }
  {
    Bitmap32 b(40, 40);
    GdiCanvas canvas(b.dc);
    DrawnEllipse().Draw(canvas, {0, 0, 40, 40}, ButtonState{}, face);
    ExpectColour(b.At(20, 20), face, "ellipse: face at the centre");
    ExpectColour(b.At(1, 1), RGB(255, 255, 255), "ellipse: the corner is untouched");
    ExpectColour(b.At(1, 20), RGB(128, 128, 128), "ellipse: grey outline");
    ExpectColour(b.At(6, 20), face, "ellipse: no ring without focus");
  }
  {
    Bitmap32 b(40, 40);
    GdiCanvas canvas(b.dc);
    DrawnEllipse().Draw(canvas, {0, 0, 40, 40}, ButtonState{true, false, true}, face);
    ExpectColour(b.At(1, 20), RGB(1, 1, 1), "ellipse pressed: dark outline");
    bool ring = false;
    for (int x = 3; x < 10; ++x) ring = ring || b.At(x, 20) == RGB(1, 1, 1) || b.At(20, x) == RGB(1, 1, 1);
    Expect(ring, "ellipse with focus: the dotted ring");
  }
}

// --- the zone windows --------------------------------------------------------------

void CheckZoneWindows() {
  ToolSettings settings;
  Zone_search zones(settings, settings.last, false);
  Expect(zones.Open(true), "the zone window opens");
  HWND w = zones.hwnd();
  Expect(Text(w) == "Zone", "the zone window's title is \"Zone\"");
  Expect(ChildCount(w) == 40, "the zone window has 40 controls");
  const int xs[8][5] = {{7, 25, 44, 63, 82}, {7, 25, 43, 63, 81}, {7, 25, 44, 63, 82},
                        {7, 25, 44, 63, 82}, {7, 25, 43, 63, 81}, {7, 25, 43, 63, 81},
                        {7, 25, 43, 63, 81}, {7, 25, 43, 63, 81}};
  const int ys[8] = {7, 19, 32, 44, 56, 69, 82, 94};
  bool layout = true, drawn = true;
  for (int z = 1; z <= 40; ++z) {
    HWND b = zones.Item(ZoneButtonId(z));
    const int row = (z - 1) / 5, col = (z - 1) % 5;
    layout = layout && b && Text(b) == std::to_string(z) &&
             SameRect(ChildRect(w, b), DialogUnits(w, xs[row][col], ys[row], 16, 10));
    drawn = drawn && b && (GetWindowLongA(b, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW &&
            zones.m_zoneButton[z - 1].m_shape == kEllipseShape;
  }
  Expect(layout, "zone z is button 1002 + z, captioned z, in five columns as the template says");
  Expect(drawn, "every zone button is an owner-drawn disc");
  CheckShared(zones, settings, "the zone window", "zone_search_x", "zone_search_y");
  SetWindowPos(w, nullptr, 700, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();

  HWND b14 = zones.Item(ZoneButtonId(14));
  RECT r;
  GetClientRect(b14, &r);
  const int cx = r.right / 2, cy = r.bottom / 2;
  // The centre of the disc can hold the caption: sample beside it.
  const int fx = r.right / 5 + 1;
  ExpectColour(Pixel(b14, fx, cy), kZoneOpenFace, "a new zone button is green");
  ExpectColour(Pixel(b14, 0, 0), RGB(255, 250, 198), "outside the disc: the window's background");
  ExpectColour(Pixel(w, 2, 2), RGB(255, 250, 198), "the zone window's background");
  Expect(AnyPixel(b14, kZoneOpenText), "a green zone's number is near-black");

  // Recoloured, it shows at once, face and number.
  for (int z : {3, 14, 15, 40}) {
    zones.m_zoneButton[z - 1].SetFaceColor(kZoneWorkedFace);
    zones.m_zoneButton[z - 1].SetTextColor(kZoneWorkedText);
  }
  ExpectColour(Pixel(b14, fx, cy), kZoneWorkedFace, "SetFaceColor shows at once");
  Expect(AnyPixel(b14, kZoneWorkedText), "SetTextColor shows at once");
  Expect(!AnyPixel(b14, kZoneOpenText), "no near-black left on a worked zone");
  Screenshot(w, "zone_search");

  // Focus and pressed look.
  CAdvancedButton& b15 = zones.m_zoneButton[14];
  HWND h15 = b15.hwnd();
  Expect(!AnyPixel(h15, RGB(1, 1, 1)), "a blue zone without focus has nothing near-black");
  SetForegroundWindow(w);
  SetFocus(h15);
  Settle();
  b15.Redraw();
  Expect(AnyPixel(h15, RGB(1, 1, 1)), "with focus the dotted ring appears");
  SendMessageA(h15, BM_SETSTATE, TRUE, 0);
  Settle();
  ExpectColour(Pixel(h15, 1, cy), RGB(1, 1, 1), "pressed, the outline turns dark");
  SendMessageA(h15, BM_SETSTATE, FALSE, 0);
  Settle();
  ExpectColour(Pixel(h15, 1, cy), RGB(128, 128, 128), "released, the outline is grey again");
  (void)cx;

  // A disabled button keeps its face and greys its number.
  HWND h40 = zones.Item(ZoneButtonId(40));
  EnableWindow(h40, FALSE);
  zones.m_zoneButton[39].Redraw();
  Expect(AnyPixel(h40, kZoneDisabledText), "a disabled zone's number is grey");
  ExpectColour(Pixel(h40, fx, cy), kZoneWorkedFace, "a disabled zone keeps its face");
  EnableWindow(h40, TRUE);

  // The flag window beside it, ticked for the same zones.
  CCont flags(settings, settings.last, false);
  Expect(flags.Open(false), "the zone flag window opens");
  HWND f = flags.hwnd();
  Expect(!IsWindowVisible(f), "the zone flag window opens hidden");
  Expect(Text(f) == "CQ ZONE ", "the zone flag window's title is \"CQ ZONE \"");
  Expect((GetWindowLongA(f, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, "it is a tool window");
  bool boxes = ChildCount(f) == 40;
  for (int z = 1; z <= 40; ++z) {
    HWND box = flags.Item(ZoneFlagId(z));
    char caption[4];
    std::snprintf(caption, sizeof caption, "%02d", z);
    boxes = boxes && box && Text(box) == caption && IsDlgButtonChecked(f, ZoneFlagId(z)) == 0;
  }
  Expect(boxes, "forty clear check boxes \"01\" to \"40\" on their ids");
  for (int z : {3, 14, 15, 40}) flags.m_zoneFlag[z - 1] = 1;
  flags.UpdateData(false);
  int ticked = 0;
  for (int z = 1; z <= 40; ++z) ticked += IsDlgButtonChecked(f, ZoneFlagId(z)) == BST_CHECKED;
  Expect(ticked == 4 && IsDlgButtonChecked(f, ZoneFlagId(14)) && IsDlgButtonChecked(f, ZoneFlagId(1)) == 0,
         "the flags the owner set are ticked, no others");
  ShowWindow(f, SW_SHOWNOACTIVATE);
  SetWindowPos(f, nullptr, 700, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();
  ExpectColour(Pixel(f, 2, 2), RGB(255, 250, 198), "the zone flag window's background");
  Screenshot(f, "zone_flags");
  // Reopening starts again at the saved corner with its own keys.
  SetWindowPos(f, nullptr, 222, 333, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(f, WM_SETCURSOR, reinterpret_cast<WPARAM>(f), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  Expect(settings.values["cont_x"] == "222", "the zone flag window saves under cont_x");
  flags.Close();
  zones.Close();
  CheckReopening<Zone_search>(settings, "the zone window");
  CheckReopening<CCont>(settings, "the zone flag window");
}

}  // namespace

int main() {
  CheckDrawnShapes();
  CheckMultiplier();
  CheckZoneWindows();
  return CheckResult();
}
