// The compiled resources of Stats.dll (Stats.rc through the same resource
// compiler the DLL build uses, read back from its .res output): the Cabrillo
// header dialog's template control by control, its combo-box entries and the
// icon. The live dialog is exercised under wine; this pins the layout itself.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/windows/continent_pages.h"

namespace {

// The platform's values, fixed by its binary interface.
constexpr std::uint32_t kWsVisible = 0x10000000, kWsCaption = 0x00C00000,
                        kWsBorder = 0x00800000, kWsVscroll = 0x00200000,
                        kWsHscroll = 0x00100000, kWsSysmenu = 0x00080000,
                        kWsTabstop = 0x00010000, kWsMinimizebox = 0x00020000,
                        kWsMaximizebox = 0x00010000, kWsChild = 0x40000000;
constexpr std::uint32_t kWsPopup = 0x80000000, kWsDisabled = 0x08000000,
                        kWsThickframe = 0x00040000, kWsClipchildren = 0x02000000,
                        kWsClipsiblings = 0x04000000, kWsExToolwindow = 0x80;
constexpr std::uint32_t kDsModalframe = 0x80, kDsSetfont = 0x40, kDsFixedsys = 0x0008;
constexpr std::uint32_t kBsAutocheckbox = 0x3, kBsOwnerdraw = 0xB;
constexpr std::uint32_t kTcsButtons = 0x0100, kTcsHottrack = 0x0040;
constexpr std::uint32_t kEsMultiline = 0x4, kEsAutovscroll = 0x40, kEsAutohscroll = 0x80,
                        kEsWantreturn = 0x1000;
constexpr std::uint32_t kCbsDropdown = 0x2, kCbsAutohscroll = 0x40, kCbsSort = 0x100;
constexpr std::uint32_t kBsGroupbox = 0x7;
constexpr std::uint16_t kRtIcon = 3, kRtDialog = 5, kRtGroupIcon = 14, kRtDialogInit = 240;

// --- reading the .res file --------------------------------------------------

struct Reader {
  const std::vector<unsigned char>& bytes;
  size_t pos;

  bool Has(size_t n) const { return pos <= bytes.size() && n <= bytes.size() - pos; }
  std::uint16_t U16() {
    if (!Has(2)) throw std::runtime_error("past the end");
    const std::uint16_t v = static_cast<std::uint16_t>(bytes[pos] | bytes[pos + 1] << 8);
    pos += 2;
    return v;
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | static_cast<std::uint32_t>(U16()) << 16;
  }
  std::int16_t S16() { return static_cast<std::int16_t>(U16()); }
  void Align(size_t to) { pos = (pos + to - 1) / to * to; }
  // UTF-16 text up to its zero; every character here is ASCII.
  std::string Text() {
    std::string s;
    for (std::uint16_t c = U16(); c != 0; c = U16()) s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
  }
  // A name or ordinal: 0xFFFF then the number, or a text. Ordinals come back
  // as "#n", nothing as "".
  std::string NameOrOrdinal() {
    if (!Has(2)) throw std::runtime_error("past the end");
    if (bytes[pos] == 0xFF && bytes[pos + 1] == 0xFF) {
      pos += 2;
      return "#" + std::to_string(U16());
    }
    return Text();
  }
};

using ResourceKey = std::pair<std::string, std::string>;  // type, name

std::map<ResourceKey, std::vector<unsigned char>> ReadResFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
  std::map<ResourceKey, std::vector<unsigned char>> out;
  Reader r{bytes, 0};
  while (r.Has(8)) {
    const size_t start = r.pos;
    const std::uint32_t dataSize = r.U32();
    const std::uint32_t headerSize = r.U32();
    const std::string type = r.NameOrOrdinal();
    const std::string name = r.NameOrOrdinal();
    r.pos = start + headerSize;
    if (!r.Has(dataSize)) throw std::runtime_error("resource past the end");
    if (dataSize > 0) {
      out[{type, name}].assign(bytes.begin() + r.pos, bytes.begin() + r.pos + dataSize);
    }
    r.pos += dataSize;
    r.Align(4);
  }
  return out;
}

ResourceKey Key(std::uint16_t type, int name) {
  return {"#" + std::to_string(type), "#" + std::to_string(name)};
}

// --- the dialog template ------------------------------------------------------

struct Item {
  std::uint32_t style = 0, exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::int32_t id = 0;
  std::string cls, text;
};

struct Template {
  bool extended = false;
  std::uint32_t style = 0, exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::string menu, cls, caption, face;
  int pointSize = 0, weight = 0;
  std::vector<Item> items;
};

// The predefined and common control classes, named by ordinal or by name in
// any case (class names ignore case), in one spelling.
std::string ClassName(std::string cls) {
  static const std::map<std::string, std::string> names = {
      {"#128", "Button"}, {"#129", "Edit"}, {"#130", "Static"},
      {"#131", "ListBox"}, {"#132", "ScrollBar"}, {"#133", "ComboBox"},
      {"BUTTON", "Button"}, {"EDIT", "Edit"}, {"STATIC", "Static"},
      {"LISTBOX", "ListBox"}, {"SCROLLBAR", "ScrollBar"}, {"COMBOBOX", "ComboBox"},
      {"SYSTABCONTROL32", "SysTabControl32"}};
  std::string upper = cls;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const auto it = names.find(upper);
  return it == names.end() ? cls : it->second;
}

// Either form of template: the extended one (version 1, signature 0xFFFF) or
// the original.
Template ParseTemplate(const std::vector<unsigned char>& bytes) {
  Reader r{bytes, 0};
  Template t;
  const bool extended = bytes.size() >= 4 && bytes[2] == 0xFF && bytes[3] == 0xFF;
  t.extended = extended;
  int count;
  if (extended) {
    r.U16(), r.U16(), r.U32();  // version, signature, help id
    t.exStyle = r.U32();
    t.style = r.U32();
  } else {
    t.style = r.U32();
    t.exStyle = r.U32();
  }
  count = r.U16();
  t.x = r.S16(), t.y = r.S16(), t.cx = r.S16(), t.cy = r.S16();
  t.menu = r.NameOrOrdinal();
  t.cls = r.NameOrOrdinal();
  t.caption = r.Text();
  if (t.style & kDsSetfont) {
    t.pointSize = r.U16();
    if (extended) {
      t.weight = r.U16();
      r.U16();  // italic and character set
    }
    t.face = r.Text();
  }
  for (int i = 0; i < count; ++i) {
    r.Align(4);
    Item item;
    if (extended) {
      r.U32();  // help id
      item.exStyle = r.U32();
      item.style = r.U32();
    } else {
      item.style = r.U32();
      item.exStyle = r.U32();
    }
    item.x = r.S16(), item.y = r.S16(), item.cx = r.S16(), item.cy = r.S16();
    item.id = extended ? static_cast<std::int32_t>(r.U32()) : r.S16();
    item.cls = ClassName(r.NameOrOrdinal());
    item.text = r.NameOrOrdinal();
    r.pos += r.U16();  // creation data
    t.items.push_back(item);
  }
  return t;
}

// --- what the dialog must be --------------------------------------------------

enum Kind {
  kFrame,        // hidden group frame
  kButton,
  kLabel,
  kEdit,         // scrolls horizontally
  kEditFixed,    // no horizontal scrolling
  kSoapbox,
  kCombo,
  kComboSorted,
};

struct Expected {
  Kind kind;
  int id;  // -1: none
  const char* text;
  int x, y, cx, cy;
};

const Expected kControls[] = {
    {kFrame, -1, "Static", 5, 0, 246, 349},
    {kSoapbox, 1001, "", 55, 252, 191, 31},
    {kEditFixed, 1002, "", 55, 156, 191, 14},
    {kButton, 2, "CANCEL", 143, 302, 46, 21},
    {kButton, 1, "OK", 81, 302, 51, 21},
    {kEdit, 1004, "", 55, 283, 191, 12},
    {kEdit, 1005, "", 55, 240, 191, 12},
    {kEdit, 1006, "", 55, 227, 191, 12},
    {kEdit, 1007, "", 55, 144, 191, 12},
    {kEdit, 1008, "", 184, 23, 61, 12},
    {kEdit, 1009, "", 55, 9, 190, 12},
    {kEdit, 1010, "", 55, 23, 88, 12},
    {kLabel, -1, "E-MAIL", 10, 286, 36, 16},
    {kLabel, -1, "SOAPBOX", 10, 266, 35, 16},
    {kLabel, -1, "CLUB", 10, 243, 33, 16},
    {kLabel, -1, "OPERATORS", 10, 229, 45, 11},
    {kLabel, -1, "ADDRESS", 10, 159, 41, 11},
    {kLabel, -1, "NAME", 10, 146, 37, 11},
    {kLabel, -1, "CLAIMED", 149, 25, 31, 11},
    {kLabel, -1, "CATEGORY-OPERATOR", 9, 39, 83, 11},
    {kLabel, -1, "CONTEST", 10, 10, 36, 11},
    {kLabel, -1, "CALLSIGN", 9, 25, 39, 11},
    {kCombo, 1013, "", 92, 36, 79, 86},
    {kCombo, 1014, "", 92, 50, 79, 72},
    {kLabel, -1, "CATEGORY-BAND", 9, 52, 79, 11},
    {kLabel, -1, "CATEGORY-MODE", 9, 80, 73, 12},
    {kEdit, 1020, "", 91, 78, 79, 13},
    {kLabel, -1, "CATEGORY-POWER", 9, 107, 86, 11},
    {kComboSorted, 1021, "", 91, 105, 80, 51},
    {kLabel, -1, "CATEGORY-TRANSMITTER", 9, 132, 97, 9},
    {kComboSorted, 1022, "", 105, 131, 66, 49},
    {kComboSorted, 1023, "", 91, 92, 80, 51},
    {kLabel, -1, "CATEGORY-OVERLAY", 9, 94, 78, 12},
    {kLabel, -1, "LOCATION", 174, 40, 38, 11},
    {kCombo, 1024, "", 213, 38, 30, 85},
    {kLabel, -1, "ADDRESS-CITY", 10, 172, 55, 11},
    {kEditFixed, 1003, "", 67, 170, 179, 14},
    {kLabel, -1, "ADDRESS-STATE-PROVINCE", 10, 186, 102, 11},
    {kEditFixed, 1011, "", 112, 184, 134, 14},
    {kLabel, -1, "ADDRESS-POSTALCODE", 10, 200, 86, 11},
    {kEditFixed, 1012, "", 100, 198, 146, 14},
    {kLabel, -1, "ADDRESS-COUNTRY", 10, 214, 78, 11},
    {kEditFixed, 1015, "", 100, 212, 146, 14},
    {kLabel, -1, "CATEGORY-STATION", 10, 120, 75, 11},
    {kComboSorted, 1025, "", 91, 118, 80, 71},
    {kLabel, -1, "CATEGORY-ASSISTED", 10, 67, 79, 11},
    {kCombo, 1016, "", 91, 64, 79, 45},
};

const char* ClassOf(Kind kind) {
  switch (kind) {
    case kFrame:
    case kButton: return "Button";
    case kLabel: return "Static";
    case kCombo:
    case kComboSorted: return "ComboBox";
    default: return "Edit";
  }
}

// Only the combo boxes, the soap box and the mode box are tab stops.
bool TabStop(const Expected& e) {
  return e.kind == kCombo || e.kind == kComboSorted || e.kind == kSoapbox || e.id == 1020;
}

void CheckKindStyle(const Expected& e, std::uint32_t style) {
  auto has = [style](std::uint32_t bits) { return (style & bits) == bits; };
  auto lacks = [style](std::uint32_t bits) { return (style & bits) == 0; };
  switch (e.kind) {
    case kFrame:
      EXPECT_EQ(style & 0xF, kBsGroupbox);
      break;
    case kButton:
      EXPECT_EQ(style & 0xE, 0u) << "a push button, default or not";
      break;
    case kLabel:
      EXPECT_EQ(style & 0x1F, 0u) << "left-aligned text";
      break;
    case kEdit:
      EXPECT_TRUE(has(kEsAutohscroll | kWsBorder));
      EXPECT_TRUE(lacks(kEsMultiline));
      break;
    case kEditFixed:
      EXPECT_TRUE(has(kWsBorder));
      EXPECT_TRUE(lacks(kEsAutohscroll | kEsMultiline | kWsHscroll));
      break;
    case kSoapbox:
      // Word wrap: no horizontal scrolling of any kind.
      EXPECT_TRUE(has(kEsMultiline | kEsWantreturn | kWsVscroll | kEsAutovscroll));
      EXPECT_TRUE(lacks(kEsAutohscroll | kWsHscroll));
      break;
    case kCombo:
    case kComboSorted:
      EXPECT_EQ(style & 0x3, kCbsDropdown) << "a drop-down whose edit field takes any text";
      EXPECT_TRUE(has(kCbsAutohscroll)) << "typed text longer than the field must fit";
      EXPECT_EQ((style & kCbsSort) != 0, e.kind == kComboSorted);
      break;
  }
}

class CompiledResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { s_resources = ReadResFile(STATS_RES_PATH); }
  static std::map<ResourceKey, std::vector<unsigned char>> s_resources;

  const std::vector<unsigned char>& Get(std::uint16_t type, int name) {
    static const std::vector<unsigned char> none;
    const auto it = s_resources.find(Key(type, name));
    return it == s_resources.end() ? none : it->second;
  }
};

std::map<ResourceKey, std::vector<unsigned char>> CompiledResources::s_resources;

TEST_F(CompiledResources, HeaderDialogFrame) {
  const auto& bytes = Get(kRtDialog, 101);
  ASSERT_FALSE(bytes.empty()) << "dialog 101 missing";
  const Template t = ParseTemplate(bytes);
  EXPECT_EQ(t.caption, "CQ WW CW/SSB DX Contest ");
  EXPECT_EQ(t.face, "MS Sans Serif");
  EXPECT_EQ(t.pointSize, 8);
  const std::uint32_t frame = kDsModalframe | kWsCaption | kWsSysmenu | kWsMinimizebox |
                              kWsMaximizebox;
  EXPECT_EQ(t.style & frame, frame);
  EXPECT_EQ(t.style & kWsChild, 0u);
  EXPECT_EQ(t.x, 3);
  EXPECT_EQ(t.y, 1);
  EXPECT_EQ(t.cx, 255);
  EXPECT_EQ(t.cy, 351);
  EXPECT_EQ(t.menu, "");
  EXPECT_EQ(t.cls, "");
}

TEST_F(CompiledResources, HeaderDialogControlsInTemplateOrder) {
  const Template t = ParseTemplate(Get(kRtDialog, 101));
  const size_t expected = sizeof kControls / sizeof kControls[0];
  ASSERT_EQ(t.items.size(), expected);
  for (size_t i = 0; i < expected; ++i) {
    const Expected& e = kControls[i];
    const Item& item = t.items[i];
    SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(e.id) + ", \"" +
                 e.text + "\")");
    EXPECT_EQ(item.id, e.id);
    EXPECT_EQ(item.cls, ClassOf(e.kind));
    EXPECT_EQ(item.text, e.text);
    EXPECT_EQ(item.x, e.x);
    EXPECT_EQ(item.y, e.y);
    EXPECT_EQ(item.cx, e.cx);
    EXPECT_EQ(item.cy, e.cy);
    EXPECT_NE(item.style & kWsChild, 0u);
    EXPECT_EQ((item.style & kWsVisible) != 0, e.kind != kFrame);
    EXPECT_EQ((item.style & kWsTabstop) != 0, TabStop(e));
    CheckKindStyle(e, item.style);
  }
}

TEST_F(CompiledResources, HeaderDialogComboEntriesInAddingOrder) {
  const auto& bytes = Get(kRtDialogInit, 101);
  ASSERT_FALSE(bytes.empty()) << "initial data of dialog 101 missing";
  std::map<int, std::vector<std::string>> lists;
  Reader r{bytes, 0};
  for (std::uint16_t id = r.U16(); id != 0; id = r.U16()) {
    EXPECT_EQ(r.U16(), 0x403) << "combo-box entry of " << id;
    const std::uint32_t length = r.U32();
    ASSERT_TRUE(r.Has(length));
    const std::string text(bytes.begin() + r.pos, bytes.begin() + r.pos + length);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\0') << "length counts the terminating zero: " << text;
    lists[id].push_back(text.substr(0, text.find('\0')));
    r.pos += length;
  }
  EXPECT_EQ(r.pos, bytes.size()) << "nothing after the end mark";

  using V = std::vector<std::string>;
  const std::map<int, V> expected = {
      {1013, {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}},
      {1014, {"ALL", "80M", "40M", "20M", "15M", "10M"}},
      {1021, {"HIGH", "LOW", "QRP"}},
      {1022, {"ONE", "TWO", "UNLIMITED"}},
      {1023, {"CLASSIC", "ROOKIE"}},
      {1024, {"DX", "--/--", "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID",
              "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MA", "MI", "MN", "MS", "MO", "MT",
              "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI",
              "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", "NB", "NS",
              "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"}},
      {1025, {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}},
      {1016, {"ASSISTED", "NON-ASSISTED"}},
  };
  EXPECT_EQ(lists, expected);
  EXPECT_EQ(lists[1024].size(), 64u);
}

TEST_F(CompiledResources, IconHasA32PixelImage) {
  const auto& group = Get(kRtGroupIcon, 113);
  ASSERT_GE(group.size(), 6u + 14u) << "icon 113 missing";
  Reader r{group, 0};
  EXPECT_EQ(r.U16(), 0);
  EXPECT_EQ(r.U16(), 1) << "an icon, not a cursor";
  const int count = r.U16();
  ASSERT_GE(count, 1);
  bool found32 = false;
  for (int i = 0; i < count; ++i) {
    const int width = group[r.pos], height = group[r.pos + 1];
    r.pos += 12;
    const int imageId = r.U16();
    const auto& image = Get(kRtIcon, imageId);
    ASSERT_GE(image.size(), 40u) << "image " << imageId << " missing";
    Reader ir{image, 0};
    EXPECT_EQ(ir.U32(), 40u) << "a bitmap image";
    if (width == 32 && height == 32) found32 = true;
  }
  EXPECT_TRUE(found32);
}

// --- the tool windows' templates ----------------------------------------------

struct ToolTemplate {
  int id;
  const char* caption;
  std::uint32_t style;  // beside popup, caption, system menu, set-font, fixed-system font
  std::uint32_t exStyle;
  int cx, cy;
  size_t items;
};

TEST_F(CompiledResources, ToolWindowFrames) {
  const ToolTemplate cases[] = {
      {105, "Multiplier", kWsThickframe | kWsClipchildren | kWsClipsiblings, 0, 242, 117, 1},
      {114, "CQ ZONE ", kDsModalframe, kWsExToolwindow, 116, 86, 40},
      {125, "Zone", kDsModalframe, 0, 106, 107, 40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("dialog " + std::to_string(c.id));
    const auto& bytes = Get(kRtDialog, c.id);
    ASSERT_FALSE(bytes.empty());
    const Template t = ParseTemplate(bytes);
    EXPECT_TRUE(t.extended);
    EXPECT_EQ(t.caption, c.caption);
    EXPECT_EQ(t.style, kWsPopup | kWsCaption | kWsSysmenu | kDsSetfont | kDsFixedsys | c.style)
        << "and not visible";
    EXPECT_EQ(t.exStyle, c.exStyle);
    EXPECT_EQ(t.face, "MS Shell Dlg");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.weight, 400);
    EXPECT_EQ(t.cx, c.cx);
    EXPECT_EQ(t.cy, c.cy);
    EXPECT_EQ(t.items.size(), c.items);
  }
}

TEST_F(CompiledResources, InfoButton) {
  const Template t = ParseTemplate(Get(kRtDialog, 105));
  ASSERT_EQ(t.items.size(), 1u);
  const Item& b = t.items[0];
  EXPECT_EQ(b.id, 1016);
  EXPECT_EQ(b.cls, "Button");
  EXPECT_EQ(b.text, "Button2");
  EXPECT_EQ(b.style, kWsChild | kWsVisible | kWsTabstop | kBsOwnerdraw);
  EXPECT_EQ((std::vector<int>{b.x, b.y, b.cx, b.cy}), (std::vector<int>{2, 2, 238, 113}));
}

// Rows as the layout lists them: y, then per entry id, caption, x (and width).
TEST_F(CompiledResources, ZoneButtonsAndZoneBoxes) {
  const int buttonRows[8][1 + 5 * 2] = {
      {7, 1003, 7, 1004, 25, 1005, 44, 1006, 63, 1007, 82},
      {19, 1008, 7, 1009, 25, 1010, 43, 1011, 63, 1012, 81},
      {32, 1013, 7, 1014, 25, 1015, 44, 1016, 63, 1017, 82},
      {44, 1018, 7, 1019, 25, 1020, 44, 1021, 63, 1022, 82},
      {56, 1023, 7, 1024, 25, 1025, 43, 1026, 63, 1027, 81},
      {69, 1028, 7, 1029, 25, 1030, 43, 1031, 63, 1032, 81},
      {82, 1033, 7, 1034, 25, 1035, 43, 1036, 63, 1037, 81},
      {94, 1038, 7, 1039, 25, 1040, 43, 1041, 63, 1042, 81},
  };
  const int boxRows[8][1 + 5 * 3] = {
      {7, 1015, 4, 19, 1018, 26, 20, 1021, 48, 20, 1022, 70, 20, 1023, 91, 24},
      {16, 1024, 4, 20, 1025, 26, 20, 1026, 48, 20, 1027, 70, 21, 1028, 91, 24},
      {25, 1029, 4, 19, 1030, 26, 20, 1031, 48, 22, 1032, 70, 19, 1033, 91, 24},
      {34, 1034, 4, 19, 1035, 26, 20, 1036, 48, 19, 1037, 70, 19, 1038, 91, 24},
      {43, 1039, 4, 20, 1040, 26, 19, 1041, 48, 20, 1042, 70, 19, 1043, 91, 24},
      {52, 1044, 4, 22, 1045, 26, 20, 1046, 48, 19, 1047, 70, 20, 1048, 91, 24},
      {61, 1049, 4, 22, 1050, 26, 19, 1051, 48, 19, 1052, 70, 20, 1053, 91, 24},
      {70, 1054, 4, 20, 1055, 26, 21, 1056, 48, 20, 1057, 70, 20, 1058, 91, 24},
  };
  const Template buttons = ParseTemplate(Get(kRtDialog, 125));
  const Template boxes = ParseTemplate(Get(kRtDialog, 114));
  ASSERT_EQ(buttons.items.size(), 40u);
  ASSERT_EQ(boxes.items.size(), 40u);
  for (int zone = 1; zone <= 40; ++zone) {
    const int row = (zone - 1) / 5, col = (zone - 1) % 5;
    SCOPED_TRACE("zone " + std::to_string(zone));
    const Item& b = buttons.items[zone - 1];
    EXPECT_EQ(b.id, buttonRows[row][1 + col * 2]);
    EXPECT_EQ(b.text, std::to_string(zone));
    EXPECT_EQ(b.cls, "Button");
    EXPECT_EQ(b.style, kWsChild | kWsVisible | kWsTabstop) << "a plain push button";
    EXPECT_EQ((std::vector<int>{b.x, b.y, b.cx, b.cy}),
              (std::vector<int>{buttonRows[row][2 + col * 2], buttonRows[row][0], 16, 10}));

    const Item& c = boxes.items[zone - 1];
    const std::string caption = (zone < 10 ? "0" : "") + std::to_string(zone);
    EXPECT_EQ(c.id, boxRows[row][1 + col * 3]);
    EXPECT_EQ(c.text, caption);
    EXPECT_EQ(c.cls, "Button");
    EXPECT_EQ(c.style, kWsChild | kWsVisible | kWsTabstop | kBsAutocheckbox);
    EXPECT_EQ((std::vector<int>{c.x, c.y, c.cx, c.cy}),
              (std::vector<int>{boxRows[row][2 + col * 3], boxRows[row][0], boxRows[row][3 + col * 3], 9}));
  }
}

// --- the extended multiplier window ------------------------------------------

void ExpectArial9(const Template& t) {
  EXPECT_TRUE(t.extended);
  EXPECT_EQ(t.face, "Arial");
  EXPECT_EQ(t.pointSize, 9);
  EXPECT_EQ(t.weight, 400);
  EXPECT_EQ(t.menu, "");
  EXPECT_EQ(t.cls, "");
}

TEST_F(CompiledResources, ExtendedMultiplierFrame) {
  const auto& bytes = Get(kRtDialog, 116);
  ASSERT_FALSE(bytes.empty()) << "dialog 116 missing";
  const Template t = ParseTemplate(bytes);
  ExpectArial9(t);
  EXPECT_EQ(t.caption, "Multiplier");
  EXPECT_EQ(t.style, kWsPopup | kWsCaption | kWsSysmenu | kDsModalframe | kDsSetfont)
      << "not visible, not resizable";
  EXPECT_EQ(t.exStyle, 0u);
  EXPECT_EQ(t.x, 0);
  EXPECT_EQ(t.y, 0);
  EXPECT_EQ(t.cx, 291);
  EXPECT_EQ(t.cy, 135);
  ASSERT_EQ(t.items.size(), 1u);
  const Item& tabs = t.items[0];
  EXPECT_EQ(tabs.id, 1025);
  EXPECT_EQ(tabs.cls, "SysTabControl32");
  EXPECT_EQ(tabs.text, "");
  EXPECT_EQ(tabs.style, kWsChild | kWsVisible | kWsBorder | kTcsButtons | kTcsHottrack);
  EXPECT_EQ(tabs.exStyle, 0u);
  EXPECT_EQ(tabs.x, 7);
  EXPECT_EQ(tabs.y, 7);
  EXPECT_EQ(tabs.cx, 277);
  EXPECT_EQ(tabs.cy, 121);
}

// Each page's template holds exactly the boxes of its table, in table order:
// the code binds and ticks boxes by the table, the window shows the template.
TEST_F(CompiledResources, ContinentPagesMatchTheirTables) {
  const struct {
    int cx, cy;
  } sizes[kContinentPageCount] = {{275, 110}, {261, 115}, {261, 109},
                                  {265, 104}, {262, 84},  {265, 113}};
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = ContinentPages()[page];
    SCOPED_TRACE(p.className);
    const auto& bytes = Get(kRtDialog, p.templateId);
    ASSERT_FALSE(bytes.empty()) << "dialog " << p.templateId << " missing";
    const Template t = ParseTemplate(bytes);
    ExpectArial9(t);
    EXPECT_EQ(t.caption, "");
    EXPECT_EQ(t.style, kWsChild | kWsSysmenu | kDsSetfont) << "no caption, not visible";
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.cx, sizes[page].cx);
    EXPECT_EQ(t.cy, sizes[page].cy);
    ASSERT_EQ(t.items.size(), static_cast<size_t>(p.boxCount));
    for (int i = 0; i < p.boxCount; ++i) {
      const EntityBox& b = p.boxes[i];
      const Item& item = t.items[static_cast<size_t>(i)];
      SCOPED_TRACE(std::string("box \"") + b.caption + "\"");
      EXPECT_EQ(item.id, b.id);
      EXPECT_EQ(item.cls, "Button");
      EXPECT_EQ(item.text, b.caption);
      EXPECT_EQ(item.x, b.x);
      EXPECT_EQ(item.y, b.y);
      EXPECT_EQ(item.cx, b.width);
      EXPECT_EQ(item.cy, p.boxHeight);
      const std::uint32_t shown = b.hidden ? kWsDisabled : kWsVisible;
      EXPECT_EQ(item.style, kWsChild | kWsTabstop | kBsAutocheckbox | shown);
      EXPECT_EQ(item.exStyle, 0u);
    }
  }
}

// Spot checks of the tables against the layout itself, where a slip would
// go unnoticed: the padded caption, the hidden box under "3X", rows whose
// boxes stand a unit apart.
TEST_F(CompiledResources, ContinentPagesSpotChecks) {
  const struct {
    int templateId, id;
    const char* text;
    int x, y, cx, cy;
    bool visible;
  } cases[] = {
      {117, 1035, "GD", 6, 35, 22, 11, true},
      {117, 1064, "R1FJ", 239, 62, 26, 11, true},
      {118, 1022, "3W", 199, 7, 24, 13, false},
      {118, 1023, "3X", 200, 7, 24, 13, true},
      {118, 1080, " TZ           ", 226, 80, 24, 13, true},
      {119, 1071, "YA", 206, 71, 21, 15, true},
      {120, 1065, "KP5", 130, 46, 28, 14, true},
      {121, 1045, "3Y/p", 188, 45, 30, 14, true},
      {122, 1068, "ZL9", 165, 86, 30, 14, true},
  };
  for (const auto& c : cases) {
    const Template t = ParseTemplate(Get(kRtDialog, c.templateId));
    bool found = false;
    for (const Item& item : t.items) {
      if (item.id != c.id) continue;
      found = true;
      EXPECT_EQ(item.text, c.text);
      EXPECT_EQ(item.x, c.x) << c.text;
      EXPECT_EQ(item.y, c.y) << c.text;
      EXPECT_EQ(item.cx, c.cx) << c.text;
      EXPECT_EQ(item.cy, c.cy) << c.text;
      EXPECT_EQ((item.style & kWsVisible) != 0, c.visible) << c.text;
    }
    EXPECT_TRUE(found) << c.templateId << "/" << c.id;
  }
}

}  // namespace
