// The dialog layer on its own, with a template of this program's (the layer
// takes its templates from the module it is linked into): combo boxes filled
// from initial data, the combo box's select-by-prefix rule, text and check
// box exchange in both directions, a modeless dialog's end, the message map
// and its return rules, a taken-over owner-drawn button, the message loop's
// keyboard handling and the selection guard. Exits non-zero on a failed case.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/control_colours.h"
#include "ui/dialog.h"
#include "ui/gdi.h"
#include "ui/message_loop.h"
#include "ui/subclassed_control.h"
#include "ui/tab_control.h"

namespace {

int g_failures = 0;

void Expect(bool ok, const std::string& what) {
  if (!ok) {
    ++g_failures;
    std::printf("FAIL %s\n", what.c_str());
  }
}

std::string ItemText(HWND dialog, int id) {
  char buffer[256] = {0};
  GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
  return buffer;
}

int Selection(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, 300, CB_GETCURSEL, 0, 0));
}

constexpr UINT kAskResult = WM_APP + 1;
constexpr UINT kAskDefault = WM_APP + 2;

// A button taken over from the template, made owner-drawn, that counts its
// paints.
class CountingButton : public SubclassedControl {
 public:
  int m_draws = 0;
  int m_attached = 0;

 protected:
  void OnAttached() override {
    ++m_attached;
    SetWindowLongPtrA(hwnd(), GWL_STYLE, GetWindowLongPtrA(hwnd(), GWL_STYLE) | BS_OWNERDRAW);
  }
  void DrawItem(const DRAWITEMSTRUCT& item) override {
    ++m_draws;
    FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
};

// One value for each control; the check runs inside the open dialog.
class TestDialog : public Dialog {
 public:
  TestDialog() : Dialog(200) {}

  std::string m_combo;
  std::string m_edit;
  int m_flag = 0;
  bool m_finalSeen = false;
  int m_clicks = 0;
  int m_cancels = 0;
  CountingButton m_button;
  ControlColours m_colours{RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)};

  const MessageMap<Dialog>& Messages() const override {
    static const MessageEntry<Dialog> entries[] = {
        OnMessage<&TestDialog::OnAskResult>(kAskResult),
        OnMessage<&TestDialog::OnAskDefault>(kAskDefault),
        OnControlColours<&TestDialog::m_colours>(),
        OnCommand<&TestDialog::OnDrawnClicked>(303),
    };
    static const MessageMap<Dialog> map(entries, &Dialog::Messages());
    return map;
  }

 protected:
  Answer OnAskResult(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
  Answer OnAskDefault(WPARAM, LPARAM) { return std::nullopt; }
  void OnDrawnClicked() { ++m_clicks; }
  void OnCancel() override {
    ++m_cancels;
    Dialog::OnCancel();
  }

  void DoDataExchange(DataExchange& dx) override {
    dx.ComboText(300, m_combo);
    dx.Text(301, m_edit);
    dx.Check(302, m_flag);
  }

  BOOL OnInitDialog() override {
    Expect(SendDlgItemMessageA(hwnd(), 300, CB_GETCOUNT, 0, 0) == 3,
           "the combo box holds its three entries before OnInitDialog");

    // Into the combo box: first entry in list order that begins with the
    // value, ignoring case; else the value as typed and no selection.
    const struct {
      const char* value;
      int selection;
      const char* text;
    } cases[] = {
        {"ROOKIE", 1, "ROOKIE"}, {"ro", 1, "ROOKIE"},   {"c", 0, "CLASSIC"},
        {"CR", 2, "CREW"},       {"NONE", -1, "NONE"},  {"", -1, ""},
        {"ROOKIES", -1, "ROOKIES"},
    };
    for (const auto& c : cases) {
      m_combo = c.value;
      UpdateData(false);
      const std::string shown = ItemText(hwnd(), 300);
      Expect(Selection(hwnd()) == c.selection && shown == c.text,
             std::string("combo value \"") + c.value + "\" shows \"" + shown + "\", selection " +
                 std::to_string(Selection(hwnd())));
      UpdateData(true);
      Expect(m_combo == c.text, std::string("combo value \"") + c.value + "\" comes back as \"" +
                                    m_combo + "\"");
    }

    // Text and check box, both ways.
    m_edit = "two\r\nlines kept";
    m_flag = 1;
    UpdateData(false);
    Expect(ItemText(hwnd(), 301).find("two") == 0, "edit box shows its value");
    Expect(IsDlgButtonChecked(hwnd(), 302) == BST_CHECKED, "flag 1 checks the box");
    SetDlgItemTextA(hwnd(), 301, "typed");
    CheckDlgButton(hwnd(), 302, BST_UNCHECKED);
    UpdateData(true);
    Expect(m_edit == "typed", "edit box text comes back");
    Expect(m_flag == 0, "an unchecked box comes back as 0");
    CheckDlgButton(hwnd(), 302, BST_CHECKED);
    UpdateData(true);
    Expect(m_flag == 1, "a checked box comes back as 1");

    // A made-up control id leaves its variable alone.
    std::string untouched = "kept";
    DataExchange dx(hwnd(), true);
    dx.Text(999, untouched);
    Expect(untouched == "kept", "a missing control leaves its variable");

    CheckMessageMap();
    if (modal()) PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
  }

  void OnFinalMessage() override { m_finalSeen = true; }

  // The router's return rules, the command entries and the taken-over button.
  void CheckMessageMap() {
    Expect(SendMessageA(hwnd(), kAskResult, 21, 0) == 42,
           "a handled message's result reaches the sender");
    Expect(SendMessageA(hwnd(), kAskDefault, 0, 0) == 0,
           "a message the handler leaves gets the platform's default");

    HDC dc = GetDC(hwnd());
    m_colours.CreateBrush();
    const LRESULT brush = SendMessageA(hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(Item(302)));
    Expect(brush != 0 && GetObjectType(reinterpret_cast<HGDIOBJ>(brush)) == OBJ_BRUSH,
           "a control-colour request answers with the brush itself");
    Expect(GetTextColor(dc) == RGB(1, 2, 3) && GetBkColor(dc) == RGB(4, 5, 6),
           "the control-colour request sets the text colours");
    ReleaseDC(hwnd(), dc);

    const int before = m_clicks;
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(303, BN_CLICKED), reinterpret_cast<LPARAM>(Item(303)));
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(303, BN_SETFOCUS), reinterpret_cast<LPARAM>(Item(303)));
    Expect(m_clicks == before + 1, "a command entry takes the click and not other notifications");

    Expect(m_button.Attach(hwnd(), 303) && m_button.m_attached == 1, "a template button is taken over");
    Expect(!m_button.Attach(hwnd(), 303), "a control is taken over once");
    CountingButton missing;
    Expect(!missing.Attach(hwnd(), 999) && missing.hwnd() == nullptr,
           "a missing control is not taken over");
    m_button.m_draws = 0;
    ShowWindow(hwnd(), SW_SHOWNA);  // only a visible button paints
    RedrawWindow(m_button.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Expect(m_button.m_draws >= 1, "the parent's draw request reaches the taken-over button");
  }
};

}  // namespace

int main() {
  Expect(StatsModule() == GetModuleHandleA(nullptr), "the layer's module is the one it is linked into");

  TestDialog modal;
  const INT_PTR result = modal.DoModal(nullptr);
  Expect(result == IDOK, "OK ends the modal dialog with IDOK, got " + std::to_string(result));
  Expect(modal.hwnd() == nullptr, "no window after DoModal");

  TestDialog modeless;
  Expect(modeless.Create(nullptr), "a modeless dialog is created");
  Expect(IsWindow(modeless.hwnd()) != 0, "the modeless window exists");
  modeless.EndDialog(IDOK);
  Expect(modeless.hwnd() == nullptr && modeless.m_finalSeen,
         "ending a modeless dialog destroys its window and makes the final call");

  // An object that goes first takes its window along.
  TestDialog* gone = new TestDialog;
  Expect(gone->Create(nullptr), "another modeless dialog is created");
  HWND window = gone->hwnd();
  delete gone;
  Expect(!IsWindow(window), "a modeless dialog's window goes with its object");

  // Escape typed into a modeless dialog's control: the loop passes it through
  // IsDialogMessage, which makes it the dialog's cancel command.
  TestDialog keys;
  Expect(keys.Create(nullptr), "a modeless dialog for the keyboard is created");
  PostMessageA(keys.Item(301), WM_KEYDOWN, VK_ESCAPE, 0);
  PumpWaitingMessages();
  Expect(keys.m_cancels == 1 && keys.hwnd() == nullptr,
         "Escape in a modeless dialog cancels it through the message loop");

  // A tab control from a template (its class registered by the layer), with a
  // child dialog as its page.
  Dialog tabs(201);
  Expect(tabs.Create(nullptr), "a dialog with a tab control is created");
  TabControl tab(tabs.Item(310));
  Expect(tab.Add("EU") == 0 && tab.Add("AF") == 1 && tab.Count() == 2, "tabs are added in order");
  tab.Select(1);
  Expect(tab.Selection() == 1, "a tab is selected");
  Dialog page(202);
  Expect(page.Create(tabs.hwnd()) && GetParent(page.hwnd()) == tabs.hwnd(),
         "a child dialog is created inside its parent");
  tab.PlacePage(page.hwnd());
  RECT pageRect, tabRect;
  GetWindowRect(page.hwnd(), &pageRect);
  GetWindowRect(tab.hwnd(), &tabRect);
  Expect(pageRect.left > tabRect.left && pageRect.top > tabRect.top &&
             pageRect.right < tabRect.right && pageRect.bottom < tabRect.bottom,
         "the page lies inside the tab's display area");
  Expect(page.Item(320) != nullptr, "the page has its own controls");

  // The guard puts back the pen it replaced; the owner deletes its pen.
  HDC screen = GetDC(nullptr);
  MemoryDc memory(screen);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ original = GetCurrentObject(memory.get(), OBJ_PEN);
  HPEN raw;
  {
    Pen pen(CreatePen(PS_SOLID, 3, RGB(1, 2, 3)));
    raw = pen.get();
    {
      SelectionGuard guard(memory.get(), pen.get());
      Expect(GetCurrentObject(memory.get(), OBJ_PEN) == raw, "the guard selects the pen");
    }
    Expect(GetCurrentObject(memory.get(), OBJ_PEN) == original, "the guard restores the old pen");
  }
  Expect(GetObjectType(raw) == 0, "the owned pen is deleted with its owner");

  std::printf("%d failed checks\n", g_failures);
  return g_failures == 0 ? 0 : 1;
}
