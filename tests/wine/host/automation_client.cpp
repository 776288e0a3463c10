// The host's automation object, called the way the plug-in's user-interface
// thread calls it: class id from "Qalo2.Application", then COM as a
// single-threaded apartment, the running object, its IDispatch, and late-bound
// calls by dispatch id (2 ReadFrequency property get, 8 ReadEntryField method
// with a VT_I4, 16 SendCommand method with a BSTR).
//
// Two set-ups: the object in this process, served by its own apartment thread
// and called from another thread's apartment (as the plug-in, loaded into the
// host, calls it); and the object in a separate stats-host.exe --serve process,
// found through the running-object table across processes.
//
// Usage: automation_client <stats-host.exe>
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/checks.h"
#include "tools/host/host_automation.h"

namespace {

using wine_test::Check;
using wine_test::g_failures;

std::string Hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

// The plug-in's connection steps, in its order; null when no object is found.
IDispatch* Connect(std::string* trace) {
  CLSID clsid = {};
  HRESULT lookup = CLSIDFromProgID(L"Qalo2.Application", &clsid);
  *trace = "CLSIDFromProgID " + Hex(lookup);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IUnknown* unknown = nullptr;
  HRESULT active = GetActiveObject(clsid, nullptr, &unknown);
  *trace += ", GetActiveObject " + Hex(active);
  if (FAILED(active) || !unknown) return nullptr;
  IDispatch* dispatch = nullptr;
  HRESULT query = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  *trace += ", QueryInterface " + Hex(query);
  unknown->Release();
  return SUCCEEDED(query) ? dispatch : nullptr;
}

HRESULT Call(IDispatch* object, DISPID id, WORD kind, std::vector<VARIANT> args, VARIANT* result,
             int namedArgs = 0) {
  DISPPARAMS params = {};
  // Positional arguments go in reverse order; every call here has at most one.
  params.rgvarg = args.empty() ? nullptr : args.data();
  params.cArgs = static_cast<UINT>(args.size());
  DISPID named = DISPID_PROPERTYPUT;
  if (namedArgs) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception = {};
  UINT argError = 0;
  if (result) VariantInit(result);
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, &exception,
                        &argError);
}

VARIANT Int(int value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT Text(const wchar_t* text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(text);
  return v;
}

std::string ReadEntry(IDispatch* object, int field, HRESULT* hr) {
  VARIANT result;
  *hr = Call(object, host::kReadEntryField, DISPATCH_METHOD, {Int(field)}, &result);
  std::string text = result.vt == VT_BSTR ? host::FromBstr(result.bstrVal) : "(not a string)";
  VariantClear(&result);
  return text;
}

// The calls of the plug-in, and the refusals a careful server gives. The
// commands sent are `commands`; the live values expected are `hertz` and `call`.
void Exercise(IDispatch* object, const char* where, double hertz, const std::string& call,
              const std::vector<std::wstring>& commands) {
  std::string at = std::string(" (") + where + ")";
  VARIANT result;
  HRESULT hr = Call(object, host::kReadFrequency, DISPATCH_PROPERTYGET, {}, &result);
  Check(hr == S_OK && result.vt == VT_R8 && result.dblVal == hertz,
        "ReadFrequency, property get 2, gives VT_R8 hertz" + at);

  std::string entry = ReadEntry(object, host::kCallEntryField, &hr);
  Check(hr == S_OK && entry == call, "ReadEntryField(5) gives the call typed: \"" + entry + "\"" + at);
  entry = ReadEntry(object, 1, &hr);
  Check(hr == S_OK && entry.empty(), "ReadEntryField(1) gives an empty string" + at);

  for (const auto& command : commands) {
    VARIANT arg = Text(command.c_str());
    hr = Call(object, host::kSendCommand, DISPATCH_METHOD, {arg}, nullptr);
    VariantClear(&arg);
    Check(hr == S_OK, "SendCommand (16) accepted" + at);
  }

  // Refusals: the wrong kind of call, argument count, id, named arguments.
  struct Refusal {
    DISPID id;
    WORD kind;
    int args;
    int named;
    HRESULT expected;
    const char* what;
  } refusals[] = {
      {host::kReadFrequency, DISPATCH_METHOD, 0, 0, DISP_E_MEMBERNOTFOUND,
       "ReadFrequency as a method"},
      {host::kReadEntryField, DISPATCH_METHOD, 0, 0, DISP_E_BADPARAMCOUNT,
       "ReadEntryField without its argument"},
      {host::kSendCommand, DISPATCH_METHOD, 0, 0, DISP_E_BADPARAMCOUNT,
       "SendCommand without its text"},
      {99, DISPATCH_METHOD, 0, 0, DISP_E_MEMBERNOTFOUND, "an unknown dispatch id"},
      {host::kReadEntryField, DISPATCH_METHOD, 1, 1, DISP_E_NONAMEDARGS, "a named argument"},
  };
  for (const auto& r : refusals) {
    std::vector<VARIANT> args;
    if (r.args) args.push_back(Int(5));
    hr = Call(object, r.id, r.kind, args, &result, r.named);
    VariantClear(&result);
    Check(hr == r.expected, std::string(r.what) + " is refused with " + Hex(r.expected) +
                                " (got " + Hex(hr) + ")" + at);
  }
}

struct ThreadJob {
  double hertz;
  std::string call;
  std::vector<std::wstring> commands;
  std::string trace;
  bool connected = false;
};

// Runs in a thread of its own, as the plug-in's user-interface thread does.
DWORD WINAPI PlugInThread(void* data) {
  auto* job = static_cast<ThreadJob*>(data);
  IDispatch* object = Connect(&job->trace);
  job->connected = object != nullptr;
  if (object) {
    Exercise(object, "other apartment, same process", job->hertz, job->call, job->commands);
    object->Release();
  }
  CoUninitialize();
  return 0;
}

void InProcess() {
  std::printf("-- host object in this process\n");
  bool verified = false;
  std::string where;
  std::string error = host::RegisterProgId(&verified, &where);
  Check(error.empty() && verified, "ProgID registered and found by CLSIDFromProgID (" + where + ")");

  host::AutomationServer server;
  Check(server.Start(&error), "object registered as the running object " + error);
  server.SetFrequency(14025300.0);
  server.SetEntry("DL1AB");

  ThreadJob job;
  job.hertz = 14025300.0;
  job.call = "DL1AB";
  job.commands = {L"<MODE:CW>", L"<BAUDRATE:27>", L"<SP1>"};
  HANDLE thread = CreateThread(nullptr, 0, &PlugInThread, &job, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  Check(job.connected, "plug-in thread connected: " + job.trace);

  // The values are live: what the host types next is what the next read sees.
  server.SetEntry("DL1ABC");
  server.SetFrequency(7001000.0);
  ThreadJob again;
  again.hertz = 7001000.0;
  again.call = "DL1ABC";
  again.commands = {L"<MODE:SSB>"};
  thread = CreateThread(nullptr, 0, &PlugInThread, &again, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);

  host::AutomationLog log = server.Log();
  std::vector<std::string> expected = {"<MODE:CW>", "<BAUDRATE:27>", "<SP1>", "<MODE:SSB>"};
  Check(log.commands == expected, "SendCommand texts recorded in order");
  Check(log.frequencyReads == 2, "two frequency reads recorded");
  std::vector<int> fields = {5, 1, 5, 1};
  Check(log.entryFieldReads == fields, "entry-field reads recorded with their index");
  Check(log.refusedCalls == 10, "ten refused calls recorded");
  server.Stop();

  // Without the object the plug-in's look-up fails, and it then goes on
  // without a host.
  std::string trace;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IDispatch* none = Connect(&trace);
  Check(none == nullptr, "after the host revokes its object nothing is found: " + trace);
  if (none) none->Release();
  CoUninitialize();
}

std::string HostPath(const char* given) {
  std::string path = given;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;  // a Unix path under wine
  return path;
}

bool ReadLineFrom(HANDLE pipe, std::string& line) {
  line.clear();
  char c;
  DWORD got = 0;
  while (ReadFile(pipe, &c, 1, &got, nullptr) && got == 1) {
    if (c == '\n') return true;
    if (c != '\r') line += c;
  }
  return !line.empty();
}

void CrossProcess(const char* hostExe) {
  std::printf("-- host object in a separate stats-host.exe --serve\n");
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE childIn = nullptr, toChild = nullptr, fromChild = nullptr, childOut = nullptr;
  CreatePipe(&childIn, &toChild, &inherit, 0);
  CreatePipe(&fromChild, &childOut, &inherit, 0);
  SetHandleInformation(toChild, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(fromChild, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = childIn;
  startup.hStdOutput = childOut;
  startup.hStdError = childOut;
  PROCESS_INFORMATION process = {};
  std::string command =
      "\"" + HostPath(hostExe) + "\" --serve --frequency 7012500 --entry UA9XYZ";
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                &startup, &process);
  CloseHandle(childIn);
  CloseHandle(childOut);
  Check(started != FALSE, "stats-host.exe --serve started: " + command);
  if (!started) return;

  std::string text;
  bool ready = ReadLineFrom(fromChild, text) && text.rfind("ready", 0) == 0;
  Check(ready, "server says: " + text);
  if (ready) {
    std::string trace;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IDispatch* object = Connect(&trace);
    Check(object != nullptr, "found across processes: " + trace);
    if (object) {
      Exercise(object, "other process", 7012500.0, "UA9XYZ", {L"<MODE:SSB>", L"<SP1>"});
      object->Release();
    }
    CoUninitialize();
  }

  CloseHandle(toChild);  // the end of its input ends the service
  std::vector<std::string> report;
  while (ReadLineFrom(fromChild, text)) report.push_back(text);
  WaitForSingleObject(process.hProcess, 60000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(fromChild);

  auto has = [&](const std::string& wanted) {
    for (const auto& l : report)
      if (l == wanted) return true;
    return false;
  };
  if (ready) {
    Check(has("command: <MODE:SSB>") && has("command: <SP1>"), "the server recorded both commands");
    Check(has("entry field reads: 5 1"), "the server recorded the entry-field reads");
    Check(has("frequency reads: 1"), "the server recorded the frequency read");
  }
  Check(has("end"), "the server ended when its input ended");
  if (g_failures)
    for (const auto& l : report) std::printf("   server: %s\n", l.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  InProcess();
  if (argc > 1) CrossProcess(argv[1]);
  std::printf("%s\n", g_failures ? "FAILED" : "all passed");
  return g_failures ? 1 : 0;
}
