#include "ui/control/win32_host_link.h"

#include <objbase.h>
#include <oleauto.h>

namespace {

constexpr DISPID kReadFrequency = 2;
constexpr DISPID kReadEntryField = 8;
constexpr DISPID kSendCommand = 16;

HRESULT Invoke(IDispatch* object, DISPID id, WORD kind, VARIANT* argument, VARIANT* result) {
  DISPPARAMS params = {argument, nullptr, argument ? 1u : 0u, 0};
  EXCEPINFO exception = {};
  UINT argError = 0;
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result,
                              &exception, &argError);
  // The host's explanation is not shown to anybody; its strings are ours to free.
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return hr;
}

}  // namespace

std::wstring AnsiToWide(const std::string& text, UINT codePage) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
  return wide;
}

std::string WideToAnsi(const wchar_t* text, int length) {
  if (!text || length <= 0) return std::string();
  const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, &narrow[0], size, nullptr, nullptr);
  return narrow;
}

void Win32HostLink::Connect() {
  // The class id first, then the apartment, as the host expects of us; a failed
  // look-up leaves a null class id, which no running object has.
  CLSID clsid = {};
  CLSIDFromProgID(L"Qalo2.Application", &clsid);
  if (!m_comInitialised)
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  IUnknown* running = nullptr;
  if (FAILED(GetActiveObject(clsid, nullptr, &running)) || !running) return;
  IDispatch* dispatch = nullptr;
  if (SUCCEEDED(running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))) &&
      dispatch) {
    if (m_hostDispatch) m_hostDispatch->Release();
    m_hostDispatch = dispatch;
  }
  running->Release();
}

void Win32HostLink::Disconnect() {
  if (m_hostDispatch) {
    m_hostDispatch->Release();
    m_hostDispatch = nullptr;
  }
  if (m_comInitialised) {
    CoUninitialize();
    m_comInitialised = false;
  }
}

bool Win32HostLink::SendCommand(const std::string& command) {
  if (!m_hostDispatch) return true;
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  const std::wstring wide = AnsiToWide(command);
  argument.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = Invoke(m_hostDispatch, kSendCommand, DISPATCH_METHOD, &argument, &result);
  VariantClear(&result);
  VariantClear(&argument);
  return SUCCEEDED(hr);
}

bool Win32HostLink::ReadEntryField(int field, std::string& text) {
  text.clear();
  if (!m_hostDispatch) return true;
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_I4;
  argument.lVal = field;
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = Invoke(m_hostDispatch, kReadEntryField, DISPATCH_METHOD, &argument, &result);
  if (SUCCEEDED(hr) && result.vt == VT_BSTR)
    text = WideToAnsi(result.bstrVal, static_cast<int>(SysStringLen(result.bstrVal)));
  VariantClear(&result);
  return SUCCEEDED(hr);
}

bool Win32HostLink::ReadFrequency(double& hertz) {
  hertz = 0;
  if (!m_hostDispatch) return true;
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = Invoke(m_hostDispatch, kReadFrequency, DISPATCH_PROPERTYGET, nullptr, &result);
  if (SUCCEEDED(hr)) {
    VARIANT number;
    VariantInit(&number);
    hr = VariantChangeType(&number, &result, 0, VT_R8);
    if (SUCCEEDED(hr)) hertz = number.dblVal;
    VariantClear(&number);
  }
  VariantClear(&result);
  return SUCCEEDED(hr);
}
