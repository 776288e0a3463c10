#include "ui/dialog.h"

#include <cstdint>
#include <cstring>

#include "resources/resource_ids.h"

namespace {

// Any object of this module names the module to GetModuleHandleEx.
const char kModuleAnchor = 0;

// Messages of the initial-data resource: the 16-bit values of LB_ADDSTRING
// and CB_ADDSTRING that resource files have always used.
const std::uint16_t kInitListAdd = 0x0401;
const std::uint16_t kInitComboAdd = 0x0403;

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, &text[0], length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::string ComboEntry(HWND combo, int index) {
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR || length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got = SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

bool BeginsWithIgnoringCase(const std::string& entry, const std::string& prefix) {
  if (entry.size() < prefix.size()) return false;
  const int n = static_cast<int>(prefix.size());
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, entry.data(), n, prefix.data(), n) ==
         CSTR_EQUAL;
}

std::uint16_t Word(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t Dword(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

HMODULE StatsModule() {
  static const HMODULE module = [] {
    HMODULE found = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        &kModuleAnchor, &found);
    return found;
  }();
  return module;
}

// --- DataExchange ---------------------------------------------------------

void DataExchange::Text(int id, std::string& value) {
  HWND control = GetDlgItem(m_dialog, id);
  if (!control) return;
  if (m_saving) {
    value = WindowText(control);
  } else {
    SetWindowTextA(control, value.c_str());
  }
}

void DataExchange::ComboText(int id, std::string& value) {
  HWND combo = GetDlgItem(m_dialog, id);
  if (!combo) return;
  if (m_saving) {
    value = WindowText(combo);
    return;
  }
  // Every entry begins with the empty text; an empty value means no choice.
  if (!value.empty()) {
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
      if (BeginsWithIgnoringCase(ComboEntry(combo, i), value)) {
        SendMessageA(combo, CB_SETCURSEL, i, 0);
        return;
      }
    }
  }
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetWindowTextA(combo, value.c_str());
}

void DataExchange::Check(int id, int& value) {
  HWND box = GetDlgItem(m_dialog, id);
  if (!box) return;
  if (m_saving) {
    value = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  } else {
    SendMessageA(box, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

// --- Dialog ---------------------------------------------------------------

Dialog::~Dialog() {
  // A modeless window that outlives its object would call into freed memory:
  // it is cut loose first, then destroyed.
  if (m_hwnd && !m_modal) {
    HWND window = m_hwnd;
    m_hwnd = nullptr;
    SetWindowLongPtrA(window, DWLP_USER, 0);
    DestroyWindow(window);
  }
}

INT_PTR Dialog::DoModal(HWND parent) {
  m_modal = true;
  return DialogBoxParamW(StatsModule(), MAKEINTRESOURCEW(m_templateId), parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
  m_modal = false;
  HWND window = CreateDialogParamW(StatsModule(), MAKEINTRESOURCEW(m_templateId), parent,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
  return window != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
  if (!m_hwnd) return;
  if (m_modal) {
    ::EndDialog(m_hwnd, result);
  } else {
    DestroyWindow(m_hwnd);
  }
}

void Dialog::UpdateData(bool saving) {
  DataExchange dx(m_hwnd, saving);
  DoDataExchange(dx);
}

INT_PTR Dialog::SetResult(LRESULT result) {
  SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      FillFromInitialData();
      return OnInitDialog();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE
                                                                                      : FALSE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      // The brush itself is the answer of these messages.
      return reinterpret_cast<INT_PTR>(
          OnCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    default:
      return FALSE;
  }
}

BOOL Dialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

bool Dialog::OnCommand(int id, int code, HWND) {
  // Clicks, menu items and accelerators; other notifications of a control
  // that happens to carry one of these ids are not a command.
  if (code != BN_CLICKED && code != 1) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

HBRUSH Dialog::OnCtlColor(UINT, HDC, HWND) { return nullptr; }

void Dialog::DoDataExchange(DataExchange&) {}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->m_hwnd = hwnd;
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  // Messages before WM_INITDIALOG (and after the object let go) get the
  // platform's handling.
  if (!self) return FALSE;
  const INT_PTR answer = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->m_hwnd = nullptr;
    self->OnFinalMessage();  // may delete the object
  }
  return answer;
}

// Records: control id (16 bits; 0 ends the data), message (16 bits), length
// of the text with its terminating zero (32 bits), the text. Records are not
// aligned. A record that runs past the end stops the filling.
void Dialog::FillFromInitialData() {
  HMODULE module = StatsModule();
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(m_templateId),
                              MAKEINTRESOURCEA(RT_DIALOG_INIT));
  if (!found) return;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  if (!data) return;
  const size_t size = SizeofResource(module, found);
  size_t pos = 0;
  while (pos + 2 <= size) {
    const std::uint16_t id = Word(data + pos);
    if (id == 0 || pos + 8 > size) break;
    const std::uint16_t message = Word(data + pos + 2);
    const std::uint32_t length = Dword(data + pos + 4);
    pos += 8;
    if (length > size - pos) break;
    const char* text = reinterpret_cast<const char*>(data + pos);
    const std::string entry(text, strnlen(text, length));
    pos += length;
    if (message == kInitComboAdd) {
      SendDlgItemMessageA(m_hwnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    } else if (message == kInitListAdd) {
      SendDlgItemMessageA(m_hwnd, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
  }
}
