// The dialog layer on its own, with a template of this program's (the layer
// takes its templates from the module it is linked into): combo boxes filled
// from initial data, the combo box's select-by-prefix rule, text and check
// box exchange in both directions, and a modeless dialog's end. Exits
// non-zero on the first failed case.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/dialog.h"

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

// One value for each control; the check runs inside the open dialog.
class TestDialog : public Dialog {
 public:
  TestDialog() : Dialog(200) {}

  std::string m_combo;
  std::string m_edit;
  int m_flag = 0;
  bool m_finalSeen = false;

 protected:
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

    if (modal()) PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
  }

  void OnFinalMessage() override { m_finalSeen = true; }
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

  std::printf("%d failed checks\n", g_failures);
  return g_failures == 0 ? 0 : 1;
}
