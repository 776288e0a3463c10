// The stand-in host's automation object, "Qalo2.Application": what the plug-in
// reaches through the running-object table from its user-interface thread.
//
// The object answers through a hand-written IDispatch, without a type library,
// at the dispatch ids the plug-in calls:
//   2  ReadFrequency   property get, no argument   -> VT_R8, hertz of the QSO
//                                                     being entered
//   8  ReadEntryField  method, one VT_I4 argument  -> VT_BSTR; field 5 is the
//                                                     call typed so far, every
//                                                     other field is empty
//   16 SendCommand     method, one VT_BSTR argument -> nothing; the text is
//                                                     recorded
// Arguments are coerced the way automation servers do (VariantChangeType), so
// a VT_I2 field index or a VT_BSTR "5" is accepted. Named arguments, a wrong
// argument count or a wrong call kind are refused with the standard DISP_E_*
// codes. GetIDsOfNames knows the three names, for scripting clients.
//
// Threads: the host's thread sets the live values while the plug-in's thread
// reads them through COM; every member is guarded by one lock.
//
// AutomationServer owns a thread of its own, a single-threaded apartment with a
// message loop, in which the object lives and is registered as the running
// object. The host's calling thread therefore never has to pump messages for
// the plug-in's calls, and a plug-in that holds a lock of its own while calling
// the host cannot deadlock against an export waiting for that lock. (With
// `onCallingThread` the object lives in the caller's apartment instead, as in
// a host whose main window thread owns it; the caller must then pump messages.)
#ifndef STATS_TOOLS_HOST_HOST_AUTOMATION_H_
#define STATS_TOOLS_HOST_HOST_AUTOMATION_H_

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace host {

// The stand-in host's own class id; the real host's is not ours to use.
// {6F1D2C3B-8A47-4E59-B1C2-5D3E7F90A4B6}
extern const CLSID kStandInClsid;
constexpr wchar_t kProgId[] = L"Qalo2.Application";

enum HostDispId : DISPID {
  kReadFrequency = 2,
  kReadEntryField = 8,
  kSendCommand = 16,
};

// The entry field that holds the call sign.
constexpr int kCallEntryField = 5;

struct AutomationLog {
  std::vector<std::string> commands;  // SendCommand texts, in order (ANSI)
  std::vector<int> entryFieldReads;   // the field index of every ReadEntryField
  int frequencyReads = 0;
  int refusedCalls = 0;               // Invoke answered with an error
};

class HostObject;

// Registers the object's ProgID under HKCU\Software\Classes (ProgID -> CLSID
// and back) so that CLSIDFromProgID finds it. Returns an explanation on failure,
// empty on success. `verified` tells whether CLSIDFromProgID then gives our
// class id (under some wine versions the per-user classes are not merged; the
// registration then falls back to HKLM\Software\Classes, and `where` says so).
std::string RegisterProgId(bool* verified, std::string* where);

class AutomationServer {
 public:
  AutomationServer();
  ~AutomationServer();
  AutomationServer(const AutomationServer&) = delete;
  AutomationServer& operator=(const AutomationServer&) = delete;

  // Creates the object and registers it as the running object of our class.
  // False with `error` set when that fails. The caller's thread needs no COM
  // initialisation unless `onCallingThread` is true.
  bool Start(std::string* error, bool onCallingThread = false);

  // Revokes the registration and ends the server thread. Safe to call twice.
  void Stop();

  // Live values the plug-in reads.
  void SetFrequency(double hertz);
  void SetEntry(const std::string& call);
  // While set, every call is answered with DISP_E_EXCEPTION (a host in
  // trouble); the refusals are counted.
  void SetFailing(bool failing);

  AutomationLog Log() const;

  // For a host that waits for the plug-in's reads: `event` (or null) is set
  // each time a ReadFrequency or ReadEntryField has been counted; the counts
  // so far, without copying the log.
  void SetServedEvent(HANDLE event);
  void ReadCounts(int* frequencyReads, std::size_t* entryFieldReads) const;

 private:
  static DWORD WINAPI ThreadMain(void* self);
  bool Register(std::string* error);
  void Revoke();

  HostObject* m_object = nullptr;
  DWORD m_cookie = 0;
  bool m_registered = false;
  bool m_onCallingThread = false;
  HANDLE m_thread = nullptr;
  DWORD m_threadId = 0;
  HANDLE m_ready = nullptr;
  std::string m_startError;
};

// Text conversions between the plug-in's 8-bit ANSI texts and BSTRs.
std::string FromBstr(BSTR text);
BSTR ToBstr(const std::string& text);

}  // namespace host

#endif  // STATS_TOOLS_HOST_HOST_AUTOMATION_H_
