#include "tools/host/host_automation.h"

#include <objbase.h>

#include <string>

namespace host {

const CLSID kStandInClsid = {0x6f1d2c3b, 0x8a47, 0x4e59, {0xb1, 0xc2, 0x5d, 0x3e, 0x7f, 0x90, 0xa4, 0xb6}};

std::string FromBstr(BSTR text) {
  if (!text) return std::string();
  int length = static_cast<int>(SysStringLen(text));
  if (length == 0) return std::string();
  int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(bytes > 0 ? bytes : 0, '\0');
  if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, text, length, &out[0], bytes, nullptr, nullptr);
  return out;
}

BSTR ToBstr(const std::string& text) {
  int length = static_cast<int>(text.size());
  int wide = length ? MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0) : 0;
  BSTR out = SysAllocStringLen(nullptr, wide);
  if (out && wide) MultiByteToWideChar(CP_ACP, 0, text.data(), length, out, wide);
  return out;
}

class HostObject final : public IDispatch {
 public:
  HostObject() { InitializeCriticalSection(&m_lock); }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_refs); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&m_refs);
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: no type information; the ids are the contract.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids || count == 0) return E_INVALIDARG;
    static const struct { const wchar_t* name; DISPID id; } kNames[] = {
        {L"ReadFrequency", kReadFrequency},
        {L"ReadEntryField", kReadEntryField},
        {L"SendCommand", kSendCommand},
    };
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    bool found = false;
    for (const auto& entry : kNames) {
      if (names[0] && lstrcmpiW(names[0], entry.name) == 0) {
        ids[0] = entry.id;
        found = true;
      }
    }
    if (!found || count > 1) result = DISP_E_UNKNOWNNAME;  // no named arguments
    return result;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT* argError) override {
    EnterCriticalSection(&m_lock);
    const bool failing = m_failing;
    LeaveCriticalSection(&m_lock);
    HRESULT hr = failing ? DISP_E_EXCEPTION : Dispatch(id, riid, flags, params, result, argError);
    if (FAILED(hr)) {
      EnterCriticalSection(&m_lock);
      ++m_log.refusedCalls;
      LeaveCriticalSection(&m_lock);
    }
    return hr;
  }

  void SetFrequency(double hertz) {
    EnterCriticalSection(&m_lock);
    m_frequency = hertz;
    LeaveCriticalSection(&m_lock);
  }
  void SetFailing(bool failing) {
    EnterCriticalSection(&m_lock);
    m_failing = failing;
    LeaveCriticalSection(&m_lock);
  }
  void SetEntry(const std::string& call) {
    EnterCriticalSection(&m_lock);
    m_entry = call;
    LeaveCriticalSection(&m_lock);
  }
  void SetServedEvent(HANDLE event) {
    EnterCriticalSection(&m_lock);
    m_served = event;
    LeaveCriticalSection(&m_lock);
  }
  void Counts(int* frequencyReads, std::size_t* entryFieldReads) {
    EnterCriticalSection(&m_lock);
    *frequencyReads = m_log.frequencyReads;
    *entryFieldReads = m_log.entryFieldReads.size();
    LeaveCriticalSection(&m_lock);
  }
  AutomationLog Log() {
    EnterCriticalSection(&m_lock);
    AutomationLog copy = m_log;
    LeaveCriticalSection(&m_lock);
    return copy;
  }

 private:
  virtual ~HostObject() { DeleteCriticalSection(&m_lock); }

  HRESULT Dispatch(DISPID id, REFIID riid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   UINT* argError) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    static DISPPARAMS kNone = {nullptr, nullptr, 0, 0};
    if (!params) params = &kNone;
    if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    switch (id) {
      case kReadFrequency: {
        if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
        if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
        EnterCriticalSection(&m_lock);
        double hertz = m_frequency;
        ++m_log.frequencyReads;
        if (m_served) SetEvent(m_served);
        LeaveCriticalSection(&m_lock);
        if (result) {
          VariantInit(result);
          result->vt = VT_R8;
          result->dblVal = hertz;
        }
        return S_OK;
      }
      case kReadEntryField: {
        if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        VARIANT index;
        VariantInit(&index);
        if (FAILED(VariantChangeType(&index, &params->rgvarg[0], 0, VT_I4))) {
          if (argError) *argError = 0;
          return DISP_E_TYPEMISMATCH;
        }
        EnterCriticalSection(&m_lock);
        std::string text = index.lVal == kCallEntryField ? m_entry : std::string();
        m_log.entryFieldReads.push_back(index.lVal);
        if (m_served) SetEvent(m_served);
        LeaveCriticalSection(&m_lock);
        if (result) {
          VariantInit(result);
          result->vt = VT_BSTR;
          result->bstrVal = ToBstr(text);
        }
        return S_OK;
      }
      case kSendCommand: {
        if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        VARIANT text;
        VariantInit(&text);
        if (FAILED(VariantChangeType(&text, &params->rgvarg[0], 0, VT_BSTR))) {
          if (argError) *argError = 0;
          return DISP_E_TYPEMISMATCH;
        }
        std::string command = FromBstr(text.bstrVal);
        VariantClear(&text);
        EnterCriticalSection(&m_lock);
        m_log.commands.push_back(command);
        LeaveCriticalSection(&m_lock);
        if (result) VariantInit(result);
        return S_OK;
      }
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

  LONG m_refs = 1;
  CRITICAL_SECTION m_lock;
  double m_frequency = 0.0;
  bool m_failing = false;
  std::string m_entry;
  AutomationLog m_log;
  HANDLE m_served = nullptr;  // set after every read served, when given
};

namespace {

std::wstring ClsidText() {
  wchar_t text[64] = {};
  StringFromGUID2(kStandInClsid, text, 64);
  return text;
}

bool SetKey(HKEY root, const std::wstring& path, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG rc = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

bool WriteClasses(HKEY root) {
  const std::wstring classes = L"Software\\Classes\\";
  const std::wstring clsid = ClsidText();
  return SetKey(root, classes + kProgId, L"Qalo stand-in host") &&
         SetKey(root, classes + kProgId + L"\\CLSID", clsid) &&
         SetKey(root, classes + L"CLSID\\" + clsid, L"Qalo stand-in host") &&
         SetKey(root, classes + L"CLSID\\" + clsid + L"\\ProgID", kProgId);
}

bool LooksUp() {
  CLSID found = {};
  return SUCCEEDED(CLSIDFromProgID(kProgId, &found)) && IsEqualCLSID(found, kStandInClsid);
}

}  // namespace

std::string RegisterProgId(bool* verified, std::string* where) {
  if (verified) *verified = false;
  if (where) *where = "HKCU\\Software\\Classes";
  if (!WriteClasses(HKEY_CURRENT_USER)) return "cannot write HKCU\\Software\\Classes";
  if (LooksUp()) {
    if (verified) *verified = true;
    return std::string();
  }
  // The per-user classes were not merged into the class root: make the
  // machine-wide entry too, so the plug-in's look-up behaves as on Windows.
  if (WriteClasses(HKEY_LOCAL_MACHINE) && LooksUp()) {
    if (where) *where = "HKCU\\Software\\Classes and HKLM\\Software\\Classes";
    if (verified) *verified = true;
  }
  return std::string();
}

AutomationServer::AutomationServer() = default;

AutomationServer::~AutomationServer() { Stop(); }

void AutomationServer::SetFrequency(double hertz) {
  if (m_object) m_object->SetFrequency(hertz);
}

void AutomationServer::SetFailing(bool failing) {
  if (m_object) m_object->SetFailing(failing);
}

void AutomationServer::SetEntry(const std::string& call) {
  if (m_object) m_object->SetEntry(call);
}

void AutomationServer::SetServedEvent(HANDLE event) {
  if (m_object) m_object->SetServedEvent(event);
}

void AutomationServer::ReadCounts(int* frequencyReads, std::size_t* entryFieldReads) const {
  *frequencyReads = 0;
  *entryFieldReads = 0;
  if (m_object) m_object->Counts(frequencyReads, entryFieldReads);
}

AutomationLog AutomationServer::Log() const {
  return m_object ? m_object->Log() : AutomationLog();
}

bool AutomationServer::Register(std::string* error) {
  IUnknown* unknown = nullptr;
  m_object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
  HRESULT hr = RegisterActiveObject(unknown, kStandInClsid, ACTIVEOBJECT_STRONG, &m_cookie);
  unknown->Release();
  if (FAILED(hr)) {
    char text[80];
    wsprintfA(text, "RegisterActiveObject failed: 0x%08lX", static_cast<unsigned long>(hr));
    if (error) *error = text;
    return false;
  }
  m_registered = true;
  return true;
}

void AutomationServer::Revoke() {
  if (m_registered) {
    RevokeActiveObject(m_cookie, nullptr);
    m_registered = false;
  }
}

DWORD WINAPI AutomationServer::ThreadMain(void* self) {
  auto* server = static_cast<AutomationServer*>(self);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // make the queue
  bool ok = server->Register(&server->m_startError);
  SetEvent(server->m_ready);
  if (ok) {
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    server->Revoke();
  }
  // Clients may still hold proxies; the stub's references go with the apartment.
  CoUninitialize();
  return ok ? 0 : 1;
}

bool AutomationServer::Start(std::string* error, bool onCallingThread) {
  if (m_object) return true;
  m_object = new HostObject();
  m_onCallingThread = onCallingThread;
  if (onCallingThread) {
    if (!Register(error)) {
      m_object->Release();
      m_object = nullptr;
      return false;
    }
    return true;
  }
  m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  m_thread = CreateThread(nullptr, 0, &AutomationServer::ThreadMain, this, 0, &m_threadId);
  if (!m_thread) {
    if (error) *error = "cannot start the automation thread";
    m_object->Release();
    m_object = nullptr;
    return false;
  }
  WaitForSingleObject(m_ready, INFINITE);
  if (!m_startError.empty()) {
    if (error) *error = m_startError;
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = nullptr;
    m_object->Release();
    m_object = nullptr;
    return false;
  }
  return true;
}

void AutomationServer::Stop() {
  if (!m_object) return;
  if (m_onCallingThread) {
    Revoke();
  } else if (m_thread) {
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = nullptr;
  }
  if (m_ready) {
    CloseHandle(m_ready);
    m_ready = nullptr;
  }
  // The object keeps its log readable until here; our reference goes last.
  m_object->Release();
  m_object = nullptr;
}

}  // namespace host
