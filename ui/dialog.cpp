#include "ui/dialog.h"

#include <cstdint>
#include <cstring>

#include <commctrl.h>

#include <mutex>

#include "ui/message_loop.h"
#include "ui/subclassed_control.h"

namespace {

// Any object of this module names the module to GetModuleHandleEx.
const char kModuleAnchor = 0;

// Messages of the initial-data resource: the 16-bit values of LB_ADDSTRING
// and CB_ADDSTRING that resource files have always used.
const std::uint16_t kInitListAdd = 0x0401;
const std::uint16_t kInitComboAdd = 0x0403;

// Resource type of a dialog's initial data (the combo and list box entries it
// is filled with when it opens), keyed by the dialog's template id.
const WORD kDialogInitResource = 240;

// The window classes of the common controls (the tab control among them) must
// exist before a template that uses them is created.
void RegisterCommonControls() {
  static std::once_flag once;
  std::call_once(once, [] {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
  });
}

// Messages whose answer goes back to the platform as the dialog procedure's
// own return value; every other handled message answers TRUE and leaves its
// result in DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

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
    UnregisterModelessDialog(window);
    DestroyWindow(window);
  }
}

INT_PTR Dialog::DoModal(HWND parent) {
  m_modal = true;
  RegisterCommonControls();
  return DialogBoxParamA(StatsModule(), MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
  m_modal = false;
  RegisterCommonControls();
  HWND window = CreateDialogParamA(StatsModule(), MAKEINTRESOURCEA(m_templateId), parent,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
  if (!window) return false;
  // A top-level dialog takes its keyboard messages from the thread's loop;
  // a child one is served through its top-level parent.
  if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) RegisterModelessDialog(window);
  return true;
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

const MessageMap<Dialog>& Dialog::Messages() const {
  static const MessageEntry<Dialog> entries[] = {
      OnMessage<&Dialog::OnInitDialogMessage>(WM_INITDIALOG),
      OnCommand<&Dialog::OnOKCommand>(IDOK),
      OnCommand<&Dialog::OnCancelCommand>(IDCANCEL),
  };
  static const MessageMap<Dialog> map(entries);
  return map;
}

Answer Dialog::OnInitDialogMessage(WPARAM, LPARAM) {
  FillFromInitialData();
  return OnInitDialog();
}

INT_PTR Dialog::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  const MessageArgs args{message, wParam, lParam};
  const MessageEntry<Dialog>* entry = Messages().Find(args);
  if (!entry) return FALSE;
  const Answer answer = entry->call(*this, args);
  if (!answer) return FALSE;
  if (AnswersDirectly(message)) return static_cast<INT_PTR>(*answer);
  // The window may be gone by now (a handler that destroyed it).
  if (m_hwnd) SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, *answer);
  return TRUE;
}

BOOL Dialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

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
  INT_PTR answer = self->Route(message, wParam, lParam);
  // An owner-drawn control that paints itself gets its parent's draw request.
  if (!answer && message == WM_DRAWITEM && lParam) {
    HWND item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    if (item && SendMessageA(item, WM_REFLECTED_DRAWITEM, wParam, lParam)) {
      SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, TRUE);
      answer = TRUE;
    }
  }
  if (message == WM_NCDESTROY) {
    UnregisterModelessDialog(hwnd);
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
                              MAKEINTRESOURCEA(kDialogInitResource));
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
