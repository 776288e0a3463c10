#include "tools/host/host_session.h"

#include <windows.h>
#include <objbase.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/cabrillo/cabrillo_reader.h"
#include "tools/cty/cty_file.h"
#include "tools/host/call_timing.h"
#include "tools/host/dialog_answerer.h"
#include "tools/host/host_automation.h"
#include "tools/host/host_folder.h"
#include "tools/host/host_log.h"
#include "tools/host/plugin_library.h"
#include "tools/host/screenshot.h"

namespace host {

namespace {

void Print(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Printf(const char* format, ...) {
  char line[2048];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  Print(line);
}

// An absolute path, taken before the host changes into its working folder.
// Under wine a Unix path ("/usr/share/...") names the same file on drive Z:.
std::string Absolute(const std::string& path) {
  if (path.empty()) return path;
  std::string candidate = path;
  if (path[0] == '/' && GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::string unix = "Z:" + path;
    if (GetFileAttributesA(unix.c_str()) != INVALID_FILE_ATTRIBUTES) candidate = unix;
  }
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(candidate.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(full) : candidate;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text = path;
  std::size_t cut = text.find_last_of("\\/");
  return cut == std::string::npos ? std::string(".") : text.substr(0, cut);
}

// The answers each export gave, by value.
class AnswerCounts {
 public:
  void Add(const std::string& kind, int answer) { ++m_counts[kind][answer]; }
  long Of(const std::string& kind, int answer) const {
    auto k = m_counts.find(kind);
    if (k == m_counts.end()) return 0;
    auto a = k->second.find(answer);
    return a == k->second.end() ? 0 : a->second;
  }
  // "kind  1: n  0: m", the expected answers first (also when 0), then any
  // other answer the plug-in gave.
  std::string Line(const std::string& kind, const std::vector<int>& expected) const {
    std::string out;
    char part[64];
    std::snprintf(part, sizeof part, "  %-16s", kind.c_str());
    out += part;
    for (int answer : expected) {
      std::snprintf(part, sizeof part, " %d: %ld ", answer, Of(kind, answer));
      out += part;
    }
    auto k = m_counts.find(kind);
    if (k != m_counts.end()) {
      for (const auto& a : k->second) {
        bool known = false;
        for (int answer : expected) known = known || answer == a.first;
        if (!known) {
          std::snprintf(part, sizeof part, " unexpected %d: %ld ", a.first, a.second);
          out += part;
        }
      }
    }
    return out + "\n";
  }

 private:
  std::map<std::string, std::map<int, long>> m_counts;
};

// The zone after `exchange`, as an edit without fields makes it.
std::string NextZone(const std::string& exchange) {
  int zone = std::atoi(exchange.c_str());
  char text[8];
  std::snprintf(text, sizeof text, "%02d", zone % 40 + 1);
  return text;
}

// A long replay says on standard error, every few seconds, how far it is, so
// that a log of ten thousand QSOs does not run for a minute in silence.
class ReplayProgress {
 public:
  explicit ReplayProgress(std::size_t total) : m_total(total), m_last(GetTickCount()) {}
  void Played(std::size_t done) {
    const DWORD now = GetTickCount();
    if (now - m_last < kEveryMs || done == m_total) return;
    m_last = now;
    std::fprintf(stderr, "replay: %lu of %lu QSOs played\n", static_cast<unsigned long>(done),
                 static_cast<unsigned long>(m_total));
    std::fflush(stderr);
  }

 private:
  static constexpr DWORD kEveryMs = 3000;
  std::size_t m_total;
  DWORD m_last;
};

// The calls the country file could not place: the host hands their QSOs over
// with an empty country, which is worth knowing when a score looks wrong.
void PrintUnresolved(const HostLog& log) {
  constexpr std::size_t kShown = 5;
  if (log.unresolved.empty()) return;
  Printf("\n== calls the country file does not resolve ==\n%lu of %lu QSOs\n",
         static_cast<unsigned long>(log.unresolved.size()),
         static_cast<unsigned long>(log.qsos.size()));
  for (std::size_t i = 0; i < log.unresolved.size() && i < kShown; ++i)
    Printf("  line %d: %s\n", log.unresolved[i].first, log.unresolved[i].second.c_str());
  if (log.unresolved.size() > kShown) Print("  ...\n");
}

// Knowing, from outside the plug-in, when the window thread has finished the
// update that a CheckCall0 posted and painted its windows, so that a keystroke
// can be timed through the library without a change to it:
//
// 1. The update's last call of the host object is ReadEntryField for a call of
//    one or two characters (the update ends there), ReadFrequency otherwise;
//    the object sets an event as it counts each read. Once that read is
//    counted the window thread is inside the update, past the message loop's
//    retrieval of WM_CALL_DETAILS.
// 2. Then a mark is posted to the window thread (a registered message, with
//    no window: the loop hands it to no window procedure, so the plug-in does
//    nothing with it). Posted messages are retrieved in the order posted, and
//    the COM wait of the update's own host calls takes only COM's, DDE's,
//    sent and paint messages, never this one; so the thread retrieves the
//    mark only back in its loop, after the update's handler has returned. A
//    WH_GETMESSAGE hook of this program on that thread (called as a message
//    is retrieved, on that thread) notes the mark's number, with the time.
// 3. The repaints the update asked for are WM_PAINTs, which the loop takes
//    only when no posted message is left, so after the mark. The host waits
//    until no visible window of the thread has an update region left (each
//    WM_PAINT validated by its BeginPaint), then posts a second mark: the
//    thread retrieves it once the last paint's handler has returned. Its
//    retrieval time ends the measurement.
class KeystrokeWatch {
 public:
  KeystrokeWatch() {
    s_mark = RegisterWindowMessageW(L"stats-host keystroke mark");
    s_seen = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  }
  ~KeystrokeWatch() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    if (s_seen) CloseHandle(s_seen);
    s_seen = nullptr;
  }
  KeystrokeWatch(const KeystrokeWatch&) = delete;
  KeystrokeWatch& operator=(const KeystrokeWatch&) = delete;

  // The visible dialogs of this process on threads other than this one: the
  // plug-in's control window and tool windows. True once `count` of them are
  // shown on one thread, whose messages the hook then watches.
  bool Attach(int count) {
    Windows found;
    EnumWindows(&KeystrokeWatch::NoteWindow, reinterpret_cast<LPARAM>(&found));
    m_mostShown = 0;
    DWORD thread = 0;
    for (const auto& f : found) {
      if (f.second > m_mostShown) thread = f.first;
      if (f.second > m_mostShown) m_mostShown = f.second;
    }
    if (m_mostShown < count) return false;
    if (!m_hook || thread != m_thread) {
      if (m_hook) UnhookWindowsHookEx(m_hook);
      m_thread = thread;
      m_hook = SetWindowsHookExW(WH_GETMESSAGE, &KeystrokeWatch::Hook, nullptr, m_thread);
    }
    return m_hook != nullptr;
  }
  // The most dialogs the last Attach found shown on one thread.
  int MostShown() const { return m_mostShown; }

  // Posts a mark and waits until the window thread has retrieved it; its
  // counter reading then, or 0 when it did not come within `ms`.
  LONGLONG Mark(DWORD ms, const std::function<void()>& pump) {
    const LONG number = ++m_posted;
    if (!PostThreadMessageW(m_thread, s_mark, 0, number)) return 0;
    const DWORD begin = GetTickCount();
    for (;;) {
      if (s_seenNumber == number) return s_seenAt;
      if (GetTickCount() - begin > ms) return 0;
      pump();
      MsgWaitForMultipleObjects(1, &s_seen, FALSE, 50, QS_ALLINPUT);
    }
  }

  // True once no visible window of the thread waits for its WM_PAINT, false
  // after `ms`.
  bool PaintsTaken(DWORD ms) {
    const DWORD begin = GetTickCount();
    for (;;) {
      bool pending = false;
      EnumThreadWindows(m_thread, &KeystrokeWatch::NotePending, reinterpret_cast<LPARAM>(&pending));
      if (!pending) return true;
      if (GetTickCount() - begin > ms) return false;
      Sleep(0);
    }
  }

 private:
  // Visible dialogs of this process by thread, other than this thread.
  using Windows = std::map<DWORD, int>;

  static BOOL CALLBACK NoteWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Windows*>(data);
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (process == GetCurrentProcessId() && thread != GetCurrentThreadId() &&
        IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0)
      ++(*found)[thread];
    return TRUE;
  }

  static bool HasUpdate(HWND window) {
    return IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE);
  }
  static BOOL CALLBACK NoteChildPending(HWND window, LPARAM data) {
    if (!HasUpdate(window)) return TRUE;
    *reinterpret_cast<bool*>(data) = true;
    return FALSE;
  }
  static BOOL CALLBACK NotePending(HWND window, LPARAM data) {
    bool* pending = reinterpret_cast<bool*>(data);
    if (HasUpdate(window)) *pending = true;
    else if (IsWindowVisible(window)) EnumChildWindows(window, &KeystrokeWatch::NoteChildPending, data);
    return *pending ? FALSE : TRUE;
  }

  // Runs on the window thread as it retrieves a message.
  static LRESULT CALLBACK Hook(int code, WPARAM removed, LPARAM data) {
    const MSG* msg = reinterpret_cast<const MSG*>(data);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == s_mark && !msg->hwnd) {
      LARGE_INTEGER now;
      QueryPerformanceCounter(&now);
      s_seenAt = now.QuadPart;
      s_seenNumber = static_cast<LONG>(msg->lParam);
      SetEvent(s_seen);
    }
    return CallNextHookEx(nullptr, code, removed, data);
  }

  static UINT s_mark;
  static HANDLE s_seen;
  static volatile LONGLONG s_seenAt;
  static volatile LONG s_seenNumber;
  HHOOK m_hook = nullptr;
  DWORD m_thread = 0;
  LONG m_posted = 0;
  int m_mostShown = 0;
};

UINT KeystrokeWatch::s_mark = 0;
HANDLE KeystrokeWatch::s_seen = nullptr;
volatile LONGLONG KeystrokeWatch::s_seenAt = 0;
volatile LONG KeystrokeWatch::s_seenNumber = 0;

class Session {
 public:
  Session(const HostOptions& options, HostLog& log, const CtyFile& cty, PluginLibrary& plugin,
          AutomationServer& automation, const PreparedFolder& folder)
      : m_options(options), m_log(log), m_cty(cty), m_plugin(plugin), m_automation(automation),
        m_folder(folder), m_present(log.qsos.size(), true) {}

  void Identify() {
    int sets = m_plugin.GetNumberOfSets();
    const char* name = m_plugin.GetSetName(0);
    Printf("plug-in: %d contest, \"%s\"\n", sets, name ? name : "(null)");
    if (m_options.html) m_plugin.SetVersion(m_options.hostVersion.c_str());
  }

  void OpenRun(int exportRequest, const char* kind) {
    PluginRun run;
    run.folderPrefix = m_folder.folderPrefix;
    run.exportRequest = exportRequest;
    run.contestant = m_log.ownCall;
    run.firstDay = m_log.firstDay;
    run.lastDay = m_log.lastDay;
    run.ownPrefix = m_log.ownPrefix;
    run.ownContinent = m_log.ownContinent;
    LONGLONG t = m_timing.Start();
    int answer = m_plugin.ResetStats(run);
    m_timing.Stop(kind, t);
    m_answers.Add(kind, answer);
  }

  // The operator enters the QSO: the call character by character, the zone,
  // then it is logged.
  void Enter(HostQso& entry) {
    const PluginQso& qso = entry.qso;
    m_automation.SetFrequency(static_cast<double>(qso.freqHz));
    TypeCall(entry);
    ShootMoments(qso);
    LONGLONG t = m_timing.Start();
    int valid = m_plugin.IsValidExchg(qso.exchRcvd.c_str(), qso.prefix.c_str(), 0);
    m_timing.Stop("IsValidExchg0", t);
    m_answers.Add("IsValidExchg0", valid);
    Add(qso, "AddData0");
    m_automation.SetEntry(std::string());
  }

  void TypeCall(HostQso& entry) {
    const PluginQso& qso = entry.qso;
    if (entry.typing.empty()) ResolveTyping(m_cty, qso.call, entry.typing);
    char zone[100];
    for (const TypedCall& typed : entry.typing) {
      m_automation.SetEntry(typed.text);
      zone[0] = '\0';
      LONGLONG t = m_timing.Start();
      int answer = m_plugin.CheckCall(typed.text.c_str(), qso.mode.c_str(), typed.prefix.c_str(),
                                      typed.zone, qso.band.c_str(), qso.band.c_str(), zone);
      m_timing.Stop("CheckCall0", t);
      m_answers.Add("CheckCall0", answer);
      PumpIfNeeded();
    }
  }

  // The operator typing calls with every tool window open: each keystroke
  // timed from CheckCall0 until the window thread has finished the update it
  // posted and painted (KeystrokeWatch says how that is known). Keystrokes
  // of one or two characters end the update early and are waited for but
  // not counted. Waits that run out (a window thread that does not answer)
  // are counted apart, never as figures.
  void Keystrokes(int count) {
    if (!m_options.ui || count <= 0) return;
    KeystrokeWatch watch;
    HANDLE served = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_automation.SetServedEvent(served);
    auto pump = [this] { PumpIfNeeded(); };
    // The control window and its four tool windows open: the first update
    // opens them, so calls are typed until they are there. The zone flags
    // window opens hidden, so four of the five dialogs are shown.
    const std::vector<int> warmUp = Spread(count);
    bool attached = false;
    const DWORD begin = GetTickCount();
    for (std::size_t i = 0; !attached && GetTickCount() - begin < 60000; ++i) {
      HostQso& entry = m_log.qsos[warmUp[i % warmUp.size()] - 1];
      m_automation.SetFrequency(static_cast<double>(entry.qso.freqHz));
      TypeCall(entry);
      m_automation.SetEntry(std::string());
      const DWORD settle = GetTickCount();
      while (!(attached = watch.Attach(4)) && GetTickCount() - settle < 2000) {
        PumpIfNeeded();
        Sleep(20);
      }
    }
    if (!attached) {
      Printf("keystrokes: the control window and its tool windows did not appear (%d shown)\n",
             watch.MostShown());
      m_automation.SetServedEvent(nullptr);
      CloseHandle(served);
      return;
    }
    // Whatever the warm-up left in the queue is handled first.
    watch.PaintsTaken(5000);
    watch.Mark(5000, pump);

    for (int number : Spread(count)) {
      HostQso& entry = m_log.qsos[number - 1];
      const PluginQso& qso = entry.qso;
      m_automation.SetFrequency(static_cast<double>(qso.freqHz));
      if (entry.typing.empty()) ResolveTyping(m_cty, qso.call, entry.typing);
      char zone[100];
      for (const TypedCall& typed : entry.typing) {
        m_automation.SetEntry(typed.text);
        const bool full = typed.text.size() > 2;
        int frequencyReads = 0;
        std::size_t entryReads = 0;
        m_automation.ReadCounts(&frequencyReads, &entryReads);
        zone[0] = '\0';
        LONGLONG t = m_timing.Start();
        int answer = m_plugin.CheckCall(typed.text.c_str(), qso.mode.c_str(), typed.prefix.c_str(),
                                        typed.zone, qso.band.c_str(), qso.band.c_str(), zone);
        m_answers.Add("CheckCall0", answer);
        // 1. The update's last host read.
        bool read = false;
        const DWORD asked = GetTickCount();
        while (!read && GetTickCount() - asked < 5000) {
          PumpIfNeeded();
          int f = 0;
          std::size_t e = 0;
          m_automation.ReadCounts(&f, &e);
          read = full ? f > frequencyReads : e > entryReads;
          if (!read) MsgWaitForMultipleObjects(1, &served, FALSE, 50, QS_ALLINPUT);
        }
        // 2. The update's handler returned; 3. its paints done.
        LONGLONG done = read ? watch.Mark(5000, pump) : 0;
        if (done && !watch.PaintsTaken(5000)) done = 0;
        if (done) done = watch.Mark(5000, pump);
        if (!done) {
          ++m_keystrokeTimeouts;
        } else if (full) {
          m_timing.Add("keystroke to windows",
                       static_cast<double>(done - t) * 1e6 / static_cast<double>(Frequency()));
        }
      }
      m_automation.SetEntry(std::string());
    }
    m_automation.SetServedEvent(nullptr);
    CloseHandle(served);
  }

  static LONGLONG Frequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
  }

  int Add(const PluginQso& qso, const char* kind) {
    LONGLONG t = m_timing.Start();
    int answer = m_plugin.AddData(qso);
    m_timing.Stop(kind, t);
    m_answers.Add(kind, answer);
    return answer;
  }

  void Remove(const PluginQso& qso) {
    LONGLONG t = m_timing.Start();
    int answer = m_plugin.RemoveData(qso);
    m_timing.Stop("RemoveData0", t);
    m_answers.Add("RemoveData0", answer);
  }

  std::string Result(const char* kind) {
    int out = 0;
    LONGLONG t = m_timing.Start();
    const char* text = m_plugin.GetResult(&out);
    m_timing.Stop(kind, t);
    if (out != -1) ++m_resultOutNotMinusOne;
    return text ? std::string(text) : std::string();
  }

  void Feed() {
    const DWORD started = GetTickCount();
    if (m_options.reload) {
      Reload();
    } else {
      ReplayProgress progress(m_log.qsos.size());
      for (std::size_t i = 0; i < m_log.qsos.size(); ++i) {
        Enter(m_log.qsos[i]);
        if (m_options.resultEvery > 0 && (i + 1) % m_options.resultEvery == 0)
          m_lastReport = Result("GetResult0");
        PumpIfNeeded();
        progress.Played(i + 1);
      }
    }
    m_feedSeconds = (GetTickCount() - started) / 1000.0;
  }

  // The host reloading a log: AddData0 for every QSO back to back, and with
  // --result-every N the report after every N of them, as a host that
  // refreshes its statistics while it replays. Timed as a whole, without a
  // reading of the counter per call, which under emulation costs about as much
  // as the call itself.
  void Reload() {
    if (m_log.qsos.empty()) return;
    std::vector<int> answers(m_log.qsos.size());
    const std::size_t every = static_cast<std::size_t>(m_options.resultEvery);
    const char* text = nullptr;
    int out = 0;
    LARGE_INTEGER started, ended, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
    for (std::size_t i = 0; i < m_log.qsos.size(); ++i) {
      answers[i] = m_plugin.AddData(m_log.qsos[i].qso);
      if (every > 0 && (i + 1) % every == 0) text = m_plugin.GetResult(&out);
      PumpIfNeeded();
    }
    QueryPerformanceCounter(&ended);
    m_timing.Add(every > 0 ? "replay with reports" : "reload (all AddData0)",
                 static_cast<double>(ended.QuadPart - started.QuadPart) * 1e6 /
                     static_cast<double>(frequency.QuadPart));
    for (int answer : answers) m_answers.Add("AddData0", answer);
    if (text) m_lastReport = text;
  }

  // QSO numbers spread evenly over the log, from 1.
  std::vector<int> Spread(int count) const {
    std::vector<int> numbers;
    const std::size_t n = m_log.qsos.size();
    for (int j = 0; j < count && n > 0; ++j)
      numbers.push_back(static_cast<int>((2 * j + 1) * n / (2 * static_cast<std::size_t>(count))) + 1);
    return numbers;
  }

  void Probe(int count) {
    for (int number : Spread(count)) {
      HostQso& entry = m_log.qsos[number - 1];
      m_automation.SetFrequency(static_cast<double>(entry.qso.freqHz));
      TypeCall(entry);
      m_automation.SetEntry(std::string());
    }
  }

  void Delete(int number) {
    if (number < 1 || static_cast<std::size_t>(number) > m_log.qsos.size() ||
        !m_present[number - 1]) {
      Printf("note: QSO %d is not in the log; not deleted\n", number);
      return;
    }
    Remove(m_log.qsos[number - 1].qso);
    m_present[number - 1] = false;
    ++m_deleted;
    AfterChange();
    if (!m_shotRemoval) {
      m_shotRemoval = true;
      // The call typed again, so the windows show what the removal took away.
      HostQso& entry = m_log.qsos[number - 1];
      m_automation.SetFrequency(static_cast<double>(entry.qso.freqHz));
      TypeCall(entry);
      Shoot("3-after-removal-of-" + entry.qso.call);
      m_automation.SetEntry(std::string());
    }
  }

  void Edit(const QsoEdit& edit) {
    int number = edit.number;
    if (number < 1 || static_cast<std::size_t>(number) > m_log.qsos.size() ||
        !m_present[number - 1]) {
      Printf("note: QSO %d is not in the log; not edited\n", number);
      return;
    }
    HostQso& entry = m_log.qsos[number - 1];
    Remove(entry.qso);
    PluginQso changed = entry.qso;
    if (edit.changes.empty()) changed.exchRcvd = NextZone(changed.exchRcvd);
    for (const auto& change : edit.changes) {
      const std::string& v = change.second;
      if (change.first == "call") changed.call = v;
      else if (change.first == "zone") changed.exchRcvd = v;
      else if (change.first == "sent") changed.exchSent = v;
      else if (change.first == "mode") changed.mode = v;
      else if (change.first == "freq") {
        unsigned khz = static_cast<unsigned>(std::strtoul(v.c_str(), nullptr, 10));
        changed.freqHz = khz * 1000u;
        changed.band = BandOfKhz(khz);
      } else if (change.first == "time") {
        int hhmm = std::atoi(v.c_str());
        double day = static_cast<double>(static_cast<long>(changed.time.days));
        changed.time.days = day + ((hhmm / 100) * 60 + hhmm % 100) / 1440.0;
      }
    }
    CtyResolution resolved;
    changed.prefix.clear();
    changed.continent.clear();
    if (m_cty.Resolve(changed.call, resolved)) {
      changed.prefix = resolved.prefix;
      changed.continent = resolved.continent;
    }
    entry.qso = changed;
    ResolveTyping(m_cty, changed.call, entry.typing);
    Add(changed, "AddData0 (edit)");
    ++m_edited;
    AfterChange();
  }

  void AfterChange() {
    if (m_options.resultEvery > 0) m_lastReport = Result("GetResult0");
  }

  // The Cabrillo export as the host runs it: the run with the export flag (the
  // header dialog runs inside it), the log, then the result, which writes the
  // file and shows its message box.
  std::string Export() {
    DialogAnswerer answerer(m_options.confirmHeader);
    answerer.Start();
    OpenRun(1, "export ResetStats0");
    for (std::size_t i = 0; i < m_log.qsos.size(); ++i)
      if (m_present[i]) Add(m_log.qsos[i].qso, "export AddData0");
    std::string report = Result("export GetResult0");
    answerer.Stop();
    m_dialogs = answerer.Events();
    return report;
  }

  // With the plug-in's windows up, the screen at a few moments of the run:
  // the first call typed that the log has on another band already, and the
  // first change of band.
  void ShootMoments(const PluginQso& qso) {
    if (!m_options.ui) return;
    if (!m_shotSeveralBands) {
      for (const HostQso& earlier : m_log.qsos) {
        if (&earlier.qso == &qso) break;
        if (earlier.qso.call == qso.call && earlier.qso.band != qso.band) {
          m_shotSeveralBands = true;
          Shoot("1-worked-on-several-bands-" + qso.call);
          break;
        }
      }
    }
    // Not in the first QSOs, while the windows are still opening.
    if (!m_shotBandChange && ++m_entered > 10 && !m_lastBand.empty() && qso.band != m_lastBand) {
      m_shotBandChange = true;
      Shoot("2-band-change-to-" + qso.band);
    }
    m_lastBand = qso.band;
  }

  // The whole screen as <folder>/screenshots/<name>.png, once the plug-in's
  // window thread has had time to bring its windows up to date and paint.
  void Shoot(const std::string& name) {
    if (!m_options.ui) return;
    const DWORD begin = GetTickCount();
    do {
      PumpIfNeeded();
      Sleep(20);
    } while (GetTickCount() - begin < 1500);
    CreateDirectoryA("screenshots", nullptr);
    const std::string path = "screenshots\\" + name + ".png";
    if (screenshot::WriteScreenPng(path))
      Printf("screenshot: %s\\%s\n", m_folder.fullPath.c_str(), path.c_str());
    else
      Printf("screenshot: %s could not be written\n", path.c_str());
  }

  void PumpIfNeeded() {
    // A host pumps its queue between its calls: its own windows, and the
    // automation object's calls when the object lives on this thread.
    if (!m_options.automationOnMainThread && !m_options.ui) return;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  const HostOptions& m_options;
  HostLog& m_log;
  const CtyFile& m_cty;
  PluginLibrary& m_plugin;
  AutomationServer& m_automation;
  const PreparedFolder& m_folder;
  std::vector<bool> m_present;
  std::string m_lastBand;
  bool m_shotSeveralBands = false;
  bool m_shotBandChange = false;
  bool m_shotRemoval = false;
  int m_entered = 0;
  CallTiming m_timing;
  AnswerCounts m_answers;
  std::string m_lastReport;
  int m_resultOutNotMinusOne = 0;
  int m_deleted = 0;
  int m_edited = 0;
  int m_keystrokeTimeouts = 0;
  double m_feedSeconds = 0;
  DialogEvents m_dialogs;
};

// Compares `actual` with the content of `expectedPath`; prints the first
// differing line when they differ.
bool Matches(const char* what, const std::string& actual, const std::string& expectedPath) {
  std::string expected;
  if (!ReadWholeFile(expectedPath, expected)) {
    Printf("FAIL %s: cannot read %s\n", what, expectedPath.c_str());
    return false;
  }
  if (actual == expected) {
    Printf("ok   %s matches %s\n", what, expectedPath.c_str());
    return true;
  }
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  std::size_t lineStart = expected.rfind('\n', at == 0 ? 0 : at - 1);
  lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
  int line = 1;
  for (std::size_t i = 0; i < lineStart; ++i) line += expected[i] == '\n';
  auto lineAt = [&](const std::string& text) {
    std::size_t end = text.find('\n', lineStart);
    if (lineStart >= text.size()) return std::string("(end of text)");
    return text.substr(lineStart, end == std::string::npos ? std::string::npos : end - lineStart);
  };
  Printf("FAIL %s differs from %s at byte %lu, line %d\n  expected: %s\n  actual:   %s\n", what,
         expectedPath.c_str(), static_cast<unsigned long>(at), line, lineAt(expected).c_str(),
         lineAt(actual).c_str());
  return false;
}

long LineCount(const std::string& text) {
  long lines = 0;
  for (char c : text) lines += c == '\n';
  if (!text.empty() && text.back() != '\n') ++lines;
  return lines;
}

// The plug-in's files of one kind in the host folder, each listed with its
// line count; the first one's content is kept for the checks.
struct FoundFiles {
  const char* label;
  std::vector<std::string> names;
  std::string first;
};

FoundFiles ListFiles(const PreparedFolder& folder, const char* pattern, const char* label,
                     bool sayNone) {
  FoundFiles found{label, FilesMatching(folder.fullPath, pattern), std::string()};
  for (const auto& name : found.names) {
    std::string content;
    ReadWholeFile(folder.folderPrefix + name, content);
    if (found.first.empty()) found.first = content;
    Printf("%s: %s (%ld lines)\n", label, name.c_str(), LineCount(content));
  }
  if (found.names.empty() && sayNone) Printf("%s: none\n", label);
  return found;
}

// Exactly one such file, equal to the expected one.
bool MatchesOnlyFile(const FoundFiles& found, const std::string& expectedPath) {
  if (found.names.size() != 1) {
    Printf("FAIL %s: %lu files in the folder\n", found.label,
           static_cast<unsigned long>(found.names.size()));
    return false;
  }
  return Matches(found.label, found.first, expectedPath);
}

}  // namespace

int RunHost(const HostOptions& options) {
  HostOptions o = options;
  o.logPath = Absolute(o.logPath);
  o.ctyPath = Absolute(o.ctyPath);
  o.dllPath = Absolute(o.dllPath.empty() ? ProgramFolder() + "\\Stats.dll" : o.dllPath);
  for (std::string* path : {&o.reportFile, &o.expectReport, &o.expectBadQso, &o.expectCabrillo})
    *path = Absolute(*path);

  CtyFile cty;
  std::string error;
  if (!cty.Load(o.ctyPath, &error)) {
    Printf("stats-host: %s\n", error.c_str());
    return 2;
  }
  HostLog log;
  if (!LoadHostLog(o.logPath, cty, log, &error)) {
    Printf("stats-host: %s\n", error.c_str());
    return 2;
  }
  for (const auto& problem : log.problems) Printf("log: %s\n", problem.c_str());
  bool cw = o.mode.empty() ? log.cw : o.mode == "cw";
  Printf("log: %s, %lu QSOs, own call %s (%s, %s), %s contest\n", o.logPath.c_str(),
         static_cast<unsigned long>(log.qsos.size()), log.ownCall.c_str(), log.ownPrefix.c_str(),
         log.ownContinent.c_str(), cw ? "CW" : "SSB");

  FolderLayout layout;
  layout.folder = o.folder;
  layout.hostVersion = o.hostVersion;
  layout.dllSource = o.dllPath;
  layout.settings = {{"Mode", cw ? "1" : "0"}, {"Start", o.ui ? "0" : "1"}};
  // An operator who has used the plug-in before: the control window in the
  // log's mode, with every tool window it has.
  if (o.ui) {
    for (const auto& entry : std::vector<std::pair<std::string, std::string>>{
             {"setup_mode_cw", cw ? "1" : "0"},
             {"setup_mode_ssb", cw ? "0" : "1"},
             {"setup_view_multiplier", "1"},
             {"setup_view_multiplier_extended", "1"},
             {"setup_not_work_zone", "1"},
             {"setup_window_on_top", "1"},
             // Each window where it has been left before, none over another.
             {"setup_cq_ww_x", "10"}, {"setup_cq_ww_y", "10"},
             {"dxcc_x", "10"}, {"dxcc_y", "200"},
             {"dxcc_extended_x", "620"}, {"dxcc_extended_y", "10"},
             {"zone_search_x", "620"}, {"zone_search_y", "560"},
             {"cont_x", "10"}, {"cont_y", "700"}})
      layout.settings.push_back(entry);
  }
  for (const auto& entry : HeaderSettings(log)) layout.settings.push_back(entry);
  PreparedFolder folder;
  if (!PrepareFolder(layout, folder, &error)) {
    Printf("stats-host: %s\n", error.c_str());
    return 2;
  }

  bool verified = false;
  std::string where;
  error = RegisterProgId(&verified, &where);
  if (!error.empty()) Printf("automation: %s\n", error.c_str());
  else if (!verified) Printf("automation: CLSIDFromProgID does not find our class\n");
  if (o.automationOnMainThread) CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  AutomationServer automation;
  if (!automation.Start(&error, o.automationOnMainThread))
    Printf("automation: %s (the plug-in will find no host object)\n", error.c_str());

  if (!SetCurrentDirectoryA(folder.fullPath.c_str())) {
    Printf("stats-host: cannot change into %s\n", folder.fullPath.c_str());
    return 2;
  }
  PluginLibrary plugin;
  if (!plugin.Load(folder.dllPath, o.decorated, &error)) {
    Printf("stats-host: %s\n", error.c_str());
    return 2;
  }

  Session session(o, log, cty, plugin, automation, folder);
  session.Identify();
  session.OpenRun(0, "ResetStats0");
  session.Feed();
  if (o.probeCalls > 0) session.Probe(o.probeCalls);
  if (o.keystrokeCalls > 0) {
    // The worked zones and countries come from a result pass: the windows
    // then have marks to paint, as in a contest.
    session.Result("GetResult0 (before keystrokes)");
    session.Keystrokes(o.keystrokeCalls);
  }
  for (int number : o.removals) session.Delete(number);
  for (const auto& edit : o.edits) session.Edit(edit);
  for (int number : session.Spread(o.removeSpread)) session.Delete(number);
  for (int i = 0; i < o.extraResults; ++i) session.Result("GetResult0");
  std::string report = session.Result("GetResult0");
  session.Shoot("4-end-of-run");
  std::string exportReport;
  if (o.exportLog) exportReport = session.Export();

  plugin.Unload();
  AutomationLog calls = automation.Log();
  automation.Stop();
  if (o.automationOnMainThread) CoUninitialize();

  const std::string reportName = folder.folderPrefix + (o.html ? "report.html" : "report.txt");
  WriteWholeFile(reportName, report);
  if (!o.reportFile.empty()) WriteWholeFile(o.reportFile, report);
  if (o.exportLog) WriteWholeFile(folder.folderPrefix + "export-report.txt", exportReport);

  if (!o.quiet) {
    Print("\n== report ==\n");
    Print(report);
    Print("\n== end of report ==\n");
  }
  Print("\n== answers ==\n");
  const AnswerCounts& a = session.m_answers;
  Print(a.Line("ResetStats0", {1}));
  Print(a.Line("AddData0", {1, 0}));
  Print(a.Line("CheckCall0", {0, 1, 2, 4}));
  Print(a.Line("IsValidExchg0", {1, 0}));
  if (!o.removals.empty() || o.removeSpread > 0 || !o.edits.empty())
    Print(a.Line("RemoveData0", {1}));
  if (!o.edits.empty()) Print(a.Line("AddData0 (edit)", {1, 0}));
  if (o.exportLog) {
    Print(a.Line("export ResetStats0", {1}));
    Print(a.Line("export AddData0", {1, 0}));
  }
  if (session.m_resultOutNotMinusOne)
    Printf("  GetResult0 left %d times a value other than -1 in its out argument\n",
           session.m_resultOutNotMinusOne);
  if (session.m_deleted || session.m_edited)
    Printf("  log changes: %d deleted, %d edited\n", session.m_deleted, session.m_edited);

  if (session.m_keystrokeTimeouts)
    Printf("  keystrokes: %d not finished within 5 s, left out of the figures\n",
           session.m_keystrokeTimeouts);
  Printf("  replay: %lu QSOs in %.1f s\n", static_cast<unsigned long>(log.qsos.size()),
         session.m_feedSeconds);
  PrintUnresolved(log);

  Print("\n== files ==\n");
  Printf("folder: %s\n", folder.fullPath.c_str());
  const FoundFiles badQsos = ListFiles(folder, "BadQSO_*.txt", "bad-QSO file", true);
  const FoundFiles cabrillos = ListFiles(folder, "*.cbr", "Cabrillo file", false);
  if (o.exportLog) {
    const DialogEvents& d = session.m_dialogs;
    Printf("header dialog: %d shown (call \"%s\", operators \"%s\"), %s\n", d.headerDialogs,
           d.headerCall.c_str(), d.headerOperators.c_str(),
           o.confirmHeader ? "confirmed" : "cancelled");
    Printf("message box \"Output\": %d shown", d.outputBoxes);
    for (const auto& text : d.outputTexts) Printf(", \"%s\"", text.c_str());
    Print("\n");
  }

  Print("\n== host object ==\n");
  Printf("registered under %s%s\n", where.c_str(), verified ? "" : " (look-up failed)");
  Printf("ReadFrequency: %d calls; ReadEntryField: %lu calls; refused calls: %d\n",
         calls.frequencyReads, static_cast<unsigned long>(calls.entryFieldReads.size()),
         calls.refusedCalls);
  Printf("SendCommand: %lu calls", static_cast<unsigned long>(calls.commands.size()));
  for (std::size_t i = 0; i < calls.commands.size() && i < 20; ++i)
    Printf("%s\"%s\"", i ? ", " : ": ", calls.commands[i].c_str());
  if (calls.commands.size() > 20) Print(", ...");
  Print("\n");

  Print("\n== time spent in the plug-in ==\n");
  Print(session.m_timing.Table({"ResetStats0", "CheckCall0", "IsValidExchg0", "AddData0",
                                "reload (all AddData0)", "replay with reports", "GetResult0", "RemoveData0",
                                "keystroke to windows",
                                "AddData0 (edit)", "export ResetStats0", "export AddData0",
                                "export GetResult0"}));

  bool ok = true;
  if (!o.expectReport.empty() || !o.expectBadQso.empty() || !o.expectCabrillo.empty())
    Print("\n== checks ==\n");
  if (!o.expectReport.empty()) ok = Matches("report", report, o.expectReport) && ok;
  if (!o.expectBadQso.empty()) ok = MatchesOnlyFile(badQsos, o.expectBadQso) && ok;
  if (!o.expectCabrillo.empty()) ok = MatchesOnlyFile(cabrillos, o.expectCabrillo) && ok;
  std::fflush(stdout);
  return ok ? 0 : 1;
}

int ServeAutomation(const HostOptions& options) {
  bool verified = false;
  std::string where;
  std::string error = RegisterProgId(&verified, &where);
  if (!error.empty()) {
    Printf("automation: %s\n", error.c_str());
    return 2;
  }
  AutomationServer automation;
  if (!automation.Start(&error)) {
    Printf("automation: %s\n", error.c_str());
    return 2;
  }
  automation.SetFrequency(options.serveFrequency);
  automation.SetEntry(options.serveEntry);
  Printf("ready (registered under %s%s)\n", where.c_str(), verified ? "" : ", look-up failed");
  std::fflush(stdout);

  char line[256];
  std::fgets(line, sizeof line, stdin);  // any line, or the end of input, ends the service

  AutomationLog calls = automation.Log();
  automation.Stop();
  Printf("frequency reads: %d\n", calls.frequencyReads);
  Print("entry field reads:");
  for (int field : calls.entryFieldReads) Printf(" %d", field);
  Print("\n");
  Printf("refused calls: %d\n", calls.refusedCalls);
  for (const auto& command : calls.commands) Printf("command: %s\n", command.c_str());
  Print("end\n");
  std::fflush(stdout);
  return 0;
}

}  // namespace host
