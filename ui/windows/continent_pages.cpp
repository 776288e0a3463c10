#include "ui/windows/continent_pages.h"

#include <unordered_map>
#include <utility>

#include "resources/resource_ids.h"

namespace {

// Europe, 70 boxes, rows in the order the template lists them.
const EntityBox kEuropeBoxes[] = {
    {1015, "1A0", 6, 6, 22},
    {1016, "3A", 32, 6, 22},
    {1017, "4O", 60, 6, 22},
    {1018, "4U1I", 83, 6, 22},
    {1019, "4U1V", 106, 6, 30},
    {1020, "9A", 135, 6, 22},
    {1021, "9H", 161, 6, 22},
    {1022, "C3", 187, 6, 22},
    {1023, "CT", 213, 6, 22},
    {1024, "CU", 239, 6, 22},
    {1025, "DL", 6, 21, 22},
    {1026, "E7", 32, 21, 20},
    {1027, "EA", 59, 21, 21},
    {1028, "EA6", 83, 21, 26},
    {1029, "EI", 106, 21, 22},
    {1030, "ER", 135, 21, 22},
    {1031, "ES", 161, 21, 22},
    {1032, "EU", 187, 21, 22},
    {1033, "F", 213, 21, 22},
    {1034, "G", 239, 21, 22},
    {1036, "GI", 32, 34, 19},
    {1037, "GJ", 59, 34, 21},
    {1038, "GM", 83, 34, 22},
    {1039, "GU", 106, 34, 22},
    {1040, "GW", 135, 34, 25},
    {1041, "HA", 161, 34, 22},
    {1042, "HB", 187, 34, 22},
    {1043, "HB0", 213, 34, 26},
    {1044, "HV", 239, 34, 22},
    {1035, "GD", 6, 35, 22},
    {1045, "I", 6, 49, 22},
    {1046, "IS", 32, 49, 19},
    {1047, "IT", 59, 49, 21},
    {1048, "JW", 83, 49, 20},
    {1049, "JX", 106, 49, 22},
    {1050, "LA", 135, 49, 22},
    {1051, "LX", 161, 49, 22},
    {1052, "LY", 187, 49, 22},
    {1053, "LZ", 213, 49, 22},
    {1054, "OE", 239, 49, 22},
    {1055, "OH", 6, 62, 22},
    {1056, "OH0", 32, 62, 25},
    {1057, "OJ0", 59, 62, 21},
    {1058, "OK", 83, 62, 22},
    {1059, "OM", 106, 62, 22},
    {1060, "ON", 135, 62, 22},
    {1061, "OY", 161, 62, 22},
    {1062, "OZ", 187, 62, 22},
    {1063, "PA", 213, 62, 22},
    {1064, "R1FJ", 239, 62, 26},
    {1065, "S5", 6, 75, 22},
    {1066, "SM", 32, 76, 22},
    {1067, "SP", 59, 76, 21},
    {1068, "SV", 83, 76, 22},
    {1069, "SV5", 106, 76, 25},
    {1070, "SV9", 135, 76, 29},
    {1071, "T7", 161, 76, 22},
    {1072, "TA1", 187, 76, 22},
    {1073, "TF", 212, 76, 22},
    {1074, "TK", 238, 76, 22},
    {1075, "UA", 6, 89, 22},
    {1076, "UA2", 32, 89, 24},
    {1077, "UR", 59, 89, 20},
    {1078, "YL", 83, 89, 22},
    {1079, "YO", 106, 89, 22},
    {1080, "YU", 135, 89, 22},
    {1081, "Z6", 161, 89, 22},
    {1082, "Z3", 187, 89, 22},
    {1083, "ZA", 212, 89, 22},
    {1084, "ZB", 238, 89, 22},
};

// Africa, 73 boxes, rows in the order the template lists them.
const EntityBox kAfricaBoxes[] = {
    {1015, "3B6", 7, 7, 24},
    {1016, "3B8", 35, 7, 24},
    {1017, "3B9", 62, 7, 24},
    {1018, "3C", 88, 7, 24},
    {1019, "3C0", 112, 7, 24},
    {1020, "3DA", 144, 7, 24},
    {1021, "3V", 173, 7, 24},
    {1022, "3W", 199, 7, 24, true},
    {1023, "3X", 200, 7, 24},
    {1024, "3Y/b", 226, 7, 28},
    {1025, "5A", 7, 19, 24},
    {1026, "5H", 35, 19, 24},
    {1027, "5N", 62, 19, 24},
    {1028, "5R", 88, 19, 24},
    {1029, "5T", 112, 19, 24},
    {1030, "5U", 144, 19, 24},
    {1031, "5V", 173, 19, 24},
    {1032, "5X", 199, 19, 24},
    {1033, "5Z", 226, 19, 24},
    {1034, "6W", 7, 32, 24},
    {1035, "7P", 35, 32, 24},
    {1036, "7Q", 62, 32, 24},
    {1037, "7X", 87, 32, 24},
    {1039, "9J", 112, 32, 24},
    {1040, "9L", 144, 32, 24},
    {1041, "9Q", 173, 32, 24},
    {1042, "9U", 198, 32, 24},
    {1043, "9X", 226, 32, 24},
    {1044, "A2", 6, 44, 24},
    {1047, "CN", 87, 44, 24},
    {1048, "D2", 112, 44, 24},
    {1049, "D4", 144, 44, 24},
    {1050, "D6", 173, 44, 24},
    {1051, "E3", 199, 44, 24},
    {1052, "E4", 226, 44, 24},
    {1045, "C5", 34, 45, 24},
    {1046, "C9", 62, 45, 24},
    {1055, "EL", 62, 56, 24},
    {1056, "ET", 87, 56, 24},
    {1057, "FH", 112, 56, 24},
    {1059, "FR", 144, 56, 24},
    {1060, "FT/j", 173, 56, 24},
    {1061, "FT/t", 199, 56, 24},
    {1062, "FT/w", 226, 56, 28},
    {1053, "EA8", 6, 57, 24},
    {1054, "EA9", 35, 57, 24},
    {1065, "J2", 62, 68, 24},
    {1066, "J5", 87, 68, 24},
    {1067, "S0", 112, 68, 24},
    {1068, "S7", 144, 68, 24},
    {1069, "S9", 173, 68, 24},
    {1070, "ST", 198, 68, 24},
    {1071, "SU", 226, 68, 24},
    {1063, "FT/x", 7, 69, 26},
    {1064, "FT/z", 34, 69, 26},
    {1072, "T5", 6, 80, 24},
    {1073, "TJ", 35, 80, 24},
    {1074, "TL", 62, 80, 24},
    {1075, "TN", 87, 80, 24},
    {1076, "TR", 112, 80, 24},
    {1077, "TT", 144, 80, 24},
    {1078, "TU", 173, 80, 24},
    {1079, "TY", 199, 80, 24},
    {1080, " TZ           ", 226, 80, 24},
    {1081, "VK0H", 6, 91, 30},
    {1082, "XT", 35, 91, 24},
    {1083, "Z2", 62, 91, 24},
    {1084, "Z8", 87, 91, 24},
    {1085, "ZD7", 112, 91, 24},
    {1086, "ZD8", 144, 91, 24},
    {1087, "ZD9", 173, 91, 24},
    {1088, "ZS", 199, 91, 24},
    {1089, "ZS8", 226, 91, 24},
};

// Asia, 56 boxes, rows in the order the template lists them.
const EntityBox kAsiaBoxes[] = {
    {1015, "1S", 7, 7, 26},
    {1016, "3W", 36, 7, 26},
    {1017, "4J", 66, 7, 26},
    {1018, "4L", 94, 7, 26},
    {1019, "4S", 123, 7, 26},
    {1020, "4X", 152, 7, 26},
    {1021, "5B", 179, 7, 26},
    {1022, "7O", 206, 7, 26},
    {1023, "8Q", 232, 7, 26},
    {1024, "9K", 7, 19, 26},
    {1025, "9M2", 36, 19, 26},
    {1026, "9N", 66, 19, 26},
    {1027, "9V", 94, 19, 26},
    {1028, "A4", 123, 19, 26},
    {1029, "A5", 152, 19, 26},
    {1030, "A6", 178, 19, 26},
    {1031, "A7", 206, 19, 26},
    {1032, "A9", 232, 19, 26},
    {1033, "AP", 7, 32, 26},
    {1034, "BS7", 36, 32, 26},
    {1035, "BV", 66, 32, 26},
    {1036, "BV9P", 94, 32, 26},
    {1037, "BY", 123, 32, 26},
    {1038, "E4", 152, 32, 26},
    {1039, "EK", 178, 32, 26},
    {1040, "EP", 206, 32, 26},
    {1041, "EX", 232, 32, 26},
    {1042, "EY", 7, 45, 26},
    {1043, "EZ", 36, 45, 26},
    {1044, "HL", 66, 45, 26},
    {1045, "HS", 94, 45, 26},
    {1046, "HZ", 123, 45, 26},
    {1047, "JA", 152, 45, 26},
    {1048, "JD/o", 178, 45, 26},
    {1049, "JT", 206, 45, 26},
    {1050, "JY", 232, 45, 26},
    {1051, "OD", 7, 58, 26},
    {1052, "P5", 36, 58, 26},
    {1053, "S2", 66, 58, 26},
    {1054, "SU", 94, 58, 26},
    {1056, "TA", 123, 58, 26},
    {1057, "UA9", 152, 58, 26},
    {1058, "UK", 178, 58, 26},
    {1059, "UN", 206, 58, 26},
    {1060, "VR", 232, 58, 26},
    {1061, "VU", 7, 71, 26},
    {1062, "VU4", 36, 71, 26},
    {1063, "VU7", 66, 71, 26},
    {1064, "XU", 94, 71, 26},
    {1065, "XW", 122, 71, 26},
    {1066, "XX9", 152, 71, 26},
    {1067, "XZ", 178, 71, 26},
    {1071, "YA", 206, 71, 21},
    {1068, "YI", 232, 71, 26},
    {1070, "ZC4", 7, 85, 26},
    {1069, "YK", 36, 85, 26},
};

// North America, 50 boxes, rows in the order the template lists them.
const EntityBox kNorthAmericaBoxes[] = {
    {1015, "4U1U", 7, 6, 30},
    {1016, "6Y", 38, 6, 30},
    {1017, "8P", 69, 6, 30},
    {1018, "C6", 99, 6, 30},
    {1019, "CM", 131, 6, 30},
    {1020, "CY0", 161, 6, 30},
    {1021, "CY9", 193, 6, 30},
    {1022, "FG", 224, 6, 30},
    {1023, "FJ", 7, 19, 30},
    {1024, "FM", 38, 19, 30},
    {1025, "FO/c", 69, 19, 30},
    {1027, "FP", 99, 19, 30},
    {1028, "FS", 131, 19, 30},
    {1029, "HH", 161, 19, 30},
    {1030, "HI", 193, 19, 30},
    {1031, "HK0/a", 224, 19, 30},
    {1032, "HP", 7, 32, 30},
    {1033, "HR", 38, 32, 30},
    {1036, "J7", 69, 32, 30},
    {1037, "J8", 99, 32, 30},
    {1038, "K", 131, 32, 30},
    {1039, "KG4", 161, 32, 30},
    {1040, "KL", 193, 32, 30},
    {1041, "KP1", 224, 32, 30},
    {1034, "J3", 7, 46, 30},
    {1035, "J6", 38, 46, 30},
    {1042, "KP2", 69, 46, 30},
    {1043, "KP4", 99, 46, 30},
    {1065, "KP5", 130, 46, 28},
    {1044, "OX", 161, 46, 30},
    {1045, "PJ5", 193, 46, 30},
    {1046, "PJ7", 224, 46, 30},
    {1047, "TG", 7, 59, 30},
    {1048, "TI", 38, 59, 30},
    {1049, "TI9", 69, 59, 30},
    {1050, "V2", 98, 59, 30},
    {1051, "V3", 130, 59, 30},
    {1052, "V4", 161, 59, 30},
    {1053, "VE", 193, 59, 30},
    {1054, "VP2E", 224, 59, 30},
    {1055, "VP2M", 7, 72, 30},
    {1056, "VP2V", 38, 72, 30},
    {1057, "VP5", 69, 72, 30},
    {1058, "VP9", 99, 72, 30},
    {1059, "XE", 130, 72, 30},
    {1060, "XF4", 161, 72, 30},
    {1061, "YN", 193, 72, 30},
    {1062, "YS", 224, 72, 30},
    {1063, "YV0", 39, 84, 30},
    {1064, "ZF", 7, 85, 30},
};

// South America, 31 boxes, rows in the order the template lists them.
const EntityBox kSouthAmericaBoxes[] = {
    {1015, "8R", 7, 6, 30},
    {1016, "9Y", 37, 6, 30},
    {1017, "CE", 67, 6, 30},
    {1018, "CE0X", 97, 7, 30},
    {1019, "CE0Y", 127, 7, 30},
    {1020, "CE0Z", 158, 7, 30},
    {1021, "CP", 188, 7, 30},
    {1022, "CX", 218, 7, 30},
    {1023, "FY", 7, 19, 30},
    {1024, "HC", 37, 19, 25},
    {1025, "HC8", 67, 19, 30},
    {1026, "HK", 97, 19, 30},
    {1027, "HK0", 127, 19, 30},
    {1028, "LU", 158, 19, 30},
    {1029, "OA", 188, 19, 30},
    {1030, "P4", 218, 19, 30},
    {1032, "PJ4", 37, 31, 30},
    {1031, "PJ2", 7, 32, 30},
    {1035, "PY0P", 67, 32, 30},
    {1036, "PY0T", 97, 32, 30},
    {1037, "PZ", 127, 32, 30},
    {1038, "VP8", 158, 32, 30},
    {1041, "VP8/g", 188, 32, 30},
    {1042, "VP8/h", 218, 32, 30},
    {1043, "VP8/o", 7, 44, 29},
    {1033, "PY", 37, 44, 30},
    {1034, "PY0F", 67, 45, 27},
    {1044, "VP8/s", 97, 45, 27},
    {1039, "YV", 127, 45, 27},
    {1040, "ZP", 158, 45, 30},
    {1045, "3Y/p", 188, 45, 30},
};

// Oceania, 54 boxes, rows in the order the template lists them.
const EntityBox kOceaniaBoxes[] = {
    {1015, "3D2", 7, 6, 30},
    {1016, "4W", 37, 6, 30},
    {1017, "5W", 72, 6, 30},
    {1018, "9M6", 104, 6, 30},
    {1019, "A3", 134, 6, 30},
    {1020, "C2", 165, 6, 30},
    {1021, "DU", 195, 6, 30},
    {1022, "E5", 227, 6, 30},
    {1025, "FO", 71, 20, 30},
    {1026, "FO0", 104, 20, 30},
    {1023, "E6", 7, 21, 30},
    {1024, "FK", 37, 21, 30},
    {1027, "FW", 133, 21, 30},
    {1028, "H4", 165, 21, 30},
    {1029, "H40", 195, 21, 30},
    {1030, "JD/m", 227, 21, 30},
    {1031, "KH0", 6, 34, 30},
    {1032, "KH1", 37, 34, 30},
    {1033, "KH2", 71, 34, 30},
    {1034, "KH3", 104, 34, 30},
    {1035, "KH4", 133, 34, 30},
    {1036, "KH5", 165, 34, 30},
    {1037, "KH5K", 195, 34, 30},
    {1038, "KH6", 227, 34, 30},
    {1039, "KH7K", 6, 47, 30},
    {1040, "KH8", 37, 47, 30},
    {1041, "KH8/s", 70, 47, 30},
    {1042, "KH9", 104, 47, 30},
    {1043, "P2", 133, 47, 30},
    {1044, "T2", 165, 47, 30},
    {1045, "T30", 195, 47, 30},
    {1046, "T31", 227, 47, 30},
    {1047, "T32", 6, 61, 30},
    {1048, "T33", 37, 61, 30},
    {1049, "T8", 70, 61, 30},
    {1050, "V6", 104, 61, 30},
    {1051, "V7", 133, 61, 30},
    {1052, "V8", 165, 61, 30},
    {1053, "VK", 195, 61, 27},
    {1054, "VK0", 227, 61, 30},
    {1055, "VK9C", 7, 73, 30},
    {1056, "VK9L", 37, 73, 30},
    {1057, "VK9M", 70, 73, 30},
    {1058, "VK9N", 104, 73, 30},
    {1059, "VK9W", 133, 73, 29},
    {1060, "VK9X", 165, 73, 30},
    {1061, "VP6", 195, 73, 30},
    {1062, "YB", 227, 73, 30},
    {1063, "YJ", 7, 86, 30},
    {1064, "ZK3", 37, 86, 30},
    {1065, "ZL", 70, 86, 30},
    {1066, "ZL7", 104, 86, 30},
    {1067, "ZL8", 133, 86, 30},
    {1068, "ZL9", 165, 86, 30},
};
template <size_t N>
constexpr int CountOf(const EntityBox (&)[N]) {
  return static_cast<int>(N);
}

const std::array<ContinentPage, kContinentPageCount> kPages = {{
    {"WAE_ALL", IDD_WAE_ALL, "   EU ", 275, 110, 11, kEuropeBoxes, CountOf(kEuropeBoxes)},
    {"AF_DXCC", IDD_AF_DXCC, "   AF ", 261, 115, 13, kAfricaBoxes, CountOf(kAfricaBoxes)},
    {"AS_DXCC", IDD_AS_DXCC, "   AS ", 261, 109, 15, kAsiaBoxes, CountOf(kAsiaBoxes)},
    {"NA_DXCC", IDD_NA_DXCC, "   NA ", 265, 104, 14, kNorthAmericaBoxes,
     CountOf(kNorthAmericaBoxes)},
    {"SA_DXCC", IDD_SA_DXCC, "   SA ", 262, 84, 14, kSouthAmericaBoxes,
     CountOf(kSouthAmericaBoxes)},
    {"OC_DXCC", IDD_OC_DXCC, "   OC ", 265, 113, 14, kOceaniaBoxes, CountOf(kOceaniaBoxes)},
}};

// Worked prefixes that stand for an entity whose box carries another caption.
struct Alias {
  const char* worked;
  int page;
  const char* caption;
};
const Alias kAliases[] = {
    {"UA2/f", kEuropePage, "UA2"},
    {"3Y", kAfricaPage, "3Y/b"},
};

using BoxRef = std::pair<int, int>;  // page index, box index in its table
using BoxIndex = std::unordered_map<std::string, std::vector<BoxRef>>;

// Every worked prefix that ticks something, with the boxes it ticks: built
// once, so a band's list costs one look-up per prefix while the operator
// types.
BoxIndex BuildIndex() {
  BoxIndex index;
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = kPages[page];
    for (int box = 0; box < p.boxCount; ++box) {
      if (p.boxes[box].hidden) continue;
      index[CaptionPrefix(p.boxes[box].caption)].emplace_back(page, box);
    }
  }
  for (const Alias& alias : kAliases) {
    const ContinentPage& p = kPages[alias.page];
    for (int box = 0; box < p.boxCount; ++box) {
      if (CaptionPrefix(p.boxes[box].caption) == alias.caption) {
        index[alias.worked].emplace_back(alias.page, box);
      }
    }
  }
  return index;
}

}  // namespace

const std::array<ContinentPage, kContinentPageCount>& ContinentPages() { return kPages; }

bool IsContinentPageIndex(int index) { return index >= 0 && index < kContinentPageCount; }

std::string CaptionPrefix(const char* caption) {
  std::string text(caption);
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

PageBoxStates ClearedBoxStates() {
  PageBoxStates states;
  for (int page = 0; page < kContinentPageCount; ++page) {
    states[page].assign(static_cast<size_t>(kPages[page].boxCount), 0);
  }
  return states;
}

PageBoxStates BoxStatesForWorked(const std::vector<std::string>& workedPrefixes) {
  static const BoxIndex index = BuildIndex();
  PageBoxStates states = ClearedBoxStates();
  for (const std::string& prefix : workedPrefixes) {
    const auto found = index.find(prefix);
    if (found == index.end()) continue;
    for (const BoxRef& box : found->second) states[box.first][box.second] = 1;
  }
  return states;
}

PagePlacement PlacePage(int tabWidth, int tabHeight) {
  return {13, 44, tabWidth - 7, tabHeight - 38};
}
