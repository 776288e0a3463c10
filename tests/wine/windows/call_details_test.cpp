// The call-details update carried out on the real tool windows from their
// templates, with the native tests' fake host link: the titles, the zone buttons' colours
// as they are on screen, the zone flags, the continent pages' boxes, a band
// change, a removal's reset followed by an update, and a zone window opened
// again on the band it showed. Writes screenshots under screenshots/.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

#include "engine/contest_state.h"
#include "engine/settings.h"
#include "control/recording_details_fakes.h"
#include "reports/memory_settings.h"
#include "support/expect.h"
#include "tools/host/screenshot.h"
#include "ui/control/call_details.h"
#include "ui/control/tool_window_applier.h"
#include "ui/message_loop.h"
#include "ui/windows/extended_multiplier_window.h"
#include "ui/windows/multiplier.h"
#include "ui/windows/zone_windows.h"

namespace {



void Settle() {
  for (int i = 0; i < 5; ++i) {
    PumpWaitingMessages();
    Sleep(20);
  }
}

std::string Text(HWND window) {
  char text[256] = {0};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string Rgb(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "%d/%d/%d", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

// The face of a zone button as the screen shows it, beside the number.
COLORREF ZoneFace(Zone_search& zones, int zone) {
  HWND button = zones.Item(ZoneButtonId(zone));
  RECT r;
  GetClientRect(button, &r);
  HDC dc = GetDC(button);
  const COLORREF c = GetPixel(dc, r.right / 5 + 1, r.bottom / 2);
  ReleaseDC(button, dc);
  return c;
}

// Every zone shows blue exactly when it is in `worked`, green otherwise.
void ExpectZones(Zone_search& zones, std::initializer_list<int> worked, const std::string& when) {
  std::string wrong;
  for (int z = 1; z <= kZoneCount; ++z) {
    bool isWorked = false;
    for (int w : worked) isWorked = isWorked || w == z;
    const COLORREF want = isWorked ? RGB(0, 0, 255) : RGB(0, 255, 0);
    const COLORREF got = ZoneFace(zones, z);
    if (got != want) wrong += " " + std::to_string(z) + "=" + Rgb(got);
  }
  Expect(wrong.empty(), when + ": zone faces on screen" + wrong);
}

bool Ticked(Multiplier_Mult& window, int page, const char* prefix) {
  const ContinentPage& p = ContinentPages()[page];
  for (int i = 0; i < p.boxCount; ++i)
    if (CaptionPrefix(p.boxes[i].caption) == prefix && !p.boxes[i].hidden)
      return IsDlgButtonChecked(window.Page(page).hwnd(), p.boxes[i].id) == BST_CHECKED;
  return false;
}

int TickedCount(Multiplier_Mult& window) {
  int n = 0;
  for (int page = 0; page < kContinentPageCount; ++page) {
    const ContinentPage& p = ContinentPages()[page];
    for (int i = 0; i < p.boxCount; ++i)
      n += IsDlgButtonChecked(window.Page(page).hwnd(), p.boxes[i].id) == BST_CHECKED;
  }
  return n;
}

void Screenshot(HWND window, const std::string& name) {
  Expect(screenshot::SaveRepainted(window, name, Settle), "screenshot " + name + " written");
}

CInfo Qso(const char* call, const char* band, const char* prefix, int zone, int hour) {
  CInfo q;
  q.m_call = call;
  q.m_band = band;
  q.m_mode = "CW";
  q.m_prefix = prefix;
  q.m_zone = zone;
  q.m_time = COleDateTime::FromParts(2016, 11, 26, hour, 30, 0);
  return q;
}

void CheckUpdate() {
  std::mutex lock;
  auto state = std::make_unique<ContestState>();
  state->m_isCw = 1;
  state->m_contestYear = "2016";
  for (int b = 0; b < kBandCount; ++b) state->m_bandInfoRows[b] = {state->m_bands[b], "-", "-", "-", "-"};
  state->m_qsoStore.Append(Qso("Q1ABC", "20m", "DL", 14, 1));
  state->m_qsoStore.Append(Qso("Q1ABC", "15m", "DL", 14, 2));
  state->m_bandZones[3] = {14, 3};
  state->m_bandCountries[3] = {"DL", "E4", "UA2/f"};
  state->m_bandZones[4] = {5};
  state->m_bandCountries[4] = {"K", "Q9Q"};
  CallDetailsMemory memory;
  FakeHostLink host;

  MemorySettings settings;
  LastWindowPosition last;
  CCont flags(settings, last, false);
  Multiplier multiplier(settings, last, false, [&] {
    return TakeInfoButtonData(lock, memory.m_enteredCall, memory.m_currentBand,
                              state->m_bandInfoRows, state->m_bandCountries);
  });
  Multiplier_Mult extended(settings, last, false);
  auto zones = std::make_unique<Zone_search>(settings, last, false);
  ToolWindowObjects objects{&flags, &multiplier, &extended, zones.get()};
  int openRequests = 0;
  ToolWindowApplier windows(objects, [&] {
    ++openRequests;
    if (!flags.hwnd()) flags.Open(false);
    if (!multiplier.hwnd()) multiplier.Open(true);
    if (!extended.hwnd()) extended.CreateAndShow();
    if (!objects.zoneSearch->hwnd()) objects.zoneSearch->Open(true);
  });
  auto update = [&](const char* call, double hertz) {
    host.entryField = call;
    host.hertz = hertz;
    state->m_detailsIdle = 0;
    UpdateCallDetails(lock, *state, memory, host, windows);
    Settle();
    Expect(state->m_detailsIdle == 1, std::string("the update with '") + call + "' finished");
  };

  update("", 14025000);
  Expect(openRequests == 1 && flags.hwnd() && !IsWindowVisible(flags.hwnd()) && zones->hwnd(),
         "the wanted windows were opened, the zone flags hidden");
  SetWindowPos(multiplier.hwnd(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(extended.hwnd(), nullptr, 10, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(zones->hwnd(), nullptr, 500, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();
  Expect(Text(multiplier.hwnd()) == "CQ-WW-CW 2016  DXCC worked on 20m", "multiplier band title: " + Text(multiplier.hwnd()));
  Expect(Text(extended.hwnd()) == "CQ-WW-CW 2016  DXCC worked on 20m", "extended band title: " + Text(extended.hwnd()));
  Expect(Text(zones->hwnd()) == "CQ Zone on 20m", "zone title: " + Text(zones->hwnd()));
  ExpectZones(*zones, {3, 14}, "20m");
  Expect(IsDlgButtonChecked(flags.hwnd(), ZoneFlagId(14)) == BST_CHECKED &&
             IsDlgButtonChecked(flags.hwnd(), ZoneFlagId(3)) == BST_CHECKED &&
             IsDlgButtonChecked(flags.hwnd(), ZoneFlagId(5)) != BST_CHECKED,
         "the zone flags tick zones 3 and 14");
  Expect(Ticked(extended, kEuropePage, "DL") && Ticked(extended, kEuropePage, "UA2") &&
             Ticked(extended, kAsiaPage, "E4") && Ticked(extended, kAfricaPage, "E4"),
         "DL, UA2 (from UA2/f) and E4 on both pages are ticked");
  Expect(TickedCount(extended) == 4, "no other box is ticked: " + std::to_string(TickedCount(extended)));
  Expect(host.Sent("<SP1>") == 1, "the first update sent <SP1>");
  Screenshot(zones->hwnd(), "details_zones_20m");
  Screenshot(extended.hwnd(), "details_extended_20m");

  update("Q1ABC", 14025200);
  Expect(Text(multiplier.hwnd()) == "CQ-WW-CW worked with Q1ABC", "multiplier call title: " + Text(multiplier.hwnd()));
  Expect(Text(extended.hwnd()) == "CQ-WW-CW 2016  DXCC worked on 20m", "the extended title stays");
  Expect(host.Sent("<SP1>") == 1, "200 Hz further: no <SP1>");
  Screenshot(multiplier.hwnd(), "details_multiplier_call");

  update("Q1ABC", 21025000);
  Expect(Text(zones->hwnd()) == "CQ Zone on 15m", "zone title after the band change: " + Text(zones->hwnd()));
  ExpectZones(*zones, {5}, "15m");
  Expect(Ticked(extended, kNorthAmericaPage, "K") && TickedCount(extended) == 1,
         "on 15m only K is ticked (Q9Q has no box), the 20m boxes are cleared: " +
             std::to_string(TickedCount(extended)) + (Ticked(extended, kNorthAmericaPage, "K") ? " K" : ""));
  Expect(host.Sent("<SP1>") == 2, "the band change sent <SP1>");

  // A removal took zone 5 off 15 m: the reset, then the update that follows.
  state->m_bandZones[4] = {7};
  ResetZoneDisplays(windows);
  Settle();
  ExpectZones(*zones, {}, "after the removal's reset");
  update("", 21025000);
  ExpectZones(*zones, {7}, "15m after the removal");
  Screenshot(zones->hwnd(), "details_zones_15m");

  // A zone window opened again on the band it last showed.
  zones->Close();
  zones = std::make_unique<Zone_search>(settings, last, false);
  objects.zoneSearch = zones.get();
  update("", 21025000);
  Expect(Text(zones->hwnd()) == "CQ Zone on 15m", "a reopened zone window is titled at once: " + Text(zones->hwnd()));
  ExpectZones(*zones, {7}, "a reopened zone window on 15m");

  zones->Close();
  extended.Close();
  multiplier.Close();
  flags.Close();
}

}  // namespace

int main() {
  CheckUpdate();
  return CheckResult();
}
