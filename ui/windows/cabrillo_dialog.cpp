#include "ui/windows/cabrillo_dialog.h"

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
    CabrilloLog& v = m_values;
    dx.Text(IDC_CAB_CALLSIGN, v.m_callsign);
    dx.Text(IDC_CAB_NAME, v.m_name);
    dx.Text(IDC_CAB_ADDRESS, v.m_address);
    dx.Text(IDC_CAB_ADDRESS_CITY, v.m_addressCity);
    dx.Text(IDC_CAB_ADDRESS_ST_PROV, v.m_addressStateProvince);
    dx.Text(IDC_CAB_ADDRESS_POSTALCODE, v.m_addressPostalCode);
    dx.Text(IDC_CAB_ADDRESS_COUNTRY, v.m_addressCountry);
    // The claimed score is shown only: whatever is typed over it is dropped.
    if (!dx.saving()) dx.Text(IDC_CAB_CLAIMED, v.m_claimed);
    dx.Text(IDC_CAB_CONTEST, v.m_contest);
    dx.Text(IDC_CAB_EMAIL, v.m_email);
    dx.Text(IDC_CAB_CLUB, v.m_club);
    dx.Text(IDC_CAB_SOAPBOX, v.m_soapbox);
    dx.Text(IDC_CAB_OPERATORS, v.m_operators);
    dx.ComboText(IDC_CAB_CATEGORY_OPERATOR, v.m_categoryOperator);
    dx.ComboText(IDC_CAB_CATEGORY_STATION, v.m_categoryStation);
    dx.ComboText(IDC_CAB_CATEGORY_OVERLAY, v.m_categoryOverlay);
    dx.Text(IDC_CAB_CATEGORY_MODE, v.m_categoryMode);
    dx.ComboText(IDC_CAB_CATEGORY_BAND, v.m_categoryBand);
    dx.ComboText(IDC_CAB_CATEGORY_ASSISTED, v.m_categoryAssisted);
    dx.ComboText(IDC_CAB_CATEGORY_TRANSMITTER, v.m_categoryTransmitter);
    dx.ComboText(IDC_CAB_CATEGORY_POWER, v.m_categoryPower);
    dx.ComboText(IDC_CAB_LOCATION, v.m_location);
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
