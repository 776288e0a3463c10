#include "ui/windows/cabrillo_dialog.h"

#include "reports/cabrillo_fields.h"
#include "reports/cabrillo_log.h"
#include "resources/resource_ids.h"
#include "ui/dialog.h"

namespace {

// The header dialog. It edits a copy of the values, so that any end other
// than OK leaves the caller's record untouched.
class Cabrillo : public Dialog {
 public:
  explicit Cabrillo(const CabrilloLog& values) : Dialog(IDD_CABRILLO), m_values(values) {}

  const CabrilloLog& values() const { return m_values; }

 protected:
  void DoDataExchange(DataExchange& dx) override {
    for (const CabrilloField& field : kCabrilloFields) {
      if (field.shown == FieldControl::kNone) continue;
      std::string& value = m_values.*field.member;
      switch (field.shown) {
        case FieldControl::kNone: break;
        case FieldControl::kEdit: dx.Text(field.control, value); break;
        case FieldControl::kCombo: dx.ComboText(field.control, value); break;
        // Whatever is typed over a shown-only value is dropped.
        case FieldControl::kShownOnly:
          if (!dx.saving()) dx.Text(field.control, value);
          break;
      }
    }
  }

 private:
  CabrilloLog m_values;
};

}  // namespace

bool RunCabrilloDialog(CabrilloLog& log) {
  Cabrillo dialog(log);
  if (dialog.DoModal(nullptr) != IDOK) return false;
  log = dialog.values();
  return true;
}
