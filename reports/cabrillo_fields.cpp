#include "reports/cabrillo_fields.h"

#include "resources/resource_ids.h"

namespace {

using L = CabrilloLog;
constexpr FieldStorage kNoKey = FieldStorage::kNone;
constexpr FieldStorage kReadWrite = FieldStorage::kReadWrite;
constexpr FieldStorage kReadOnly = FieldStorage::kReadOnly;
constexpr FieldStorage kWriteOnly = FieldStorage::kWriteOnly;
constexpr FieldControl kEdit = FieldControl::kEdit;
constexpr FieldControl kCombo = FieldControl::kCombo;
constexpr FieldControl kShownOnly = FieldControl::kShownOnly;
constexpr FieldControl kHidden = FieldControl::kNone;
constexpr FileValue kMember = FileValue::kMember;

}  // namespace

// member, settings key, storage, store order, control, shown as, file tag, file value
constexpr CabrilloField kCabrilloFields[kCabrilloFieldCount] = {
    {&L::m_callsign, nullptr, kNoKey, -1, IDC_CAB_CALLSIGN, kEdit, "CALLSIGN: ", kMember},
    {nullptr, nullptr, kNoKey, -1, 0, kHidden, "CONTEST: ", FileValue::kContestName},
    {&L::m_contest, "Contest", kWriteOnly, 9, IDC_CAB_CONTEST, kEdit, nullptr, kMember},
    {&L::m_categoryOperator, "Category", kWriteOnly, 7, IDC_CAB_CATEGORY_OPERATOR, kCombo,
     "CATEGORY-OPERATOR: ", kMember},
    {&L::m_categoryAssisted, nullptr, kNoKey, -1, IDC_CAB_CATEGORY_ASSISTED, kCombo,
     "CATEGORY-ASSISTED: ", kMember},
    {&L::m_categoryBand, nullptr, kNoKey, -1, IDC_CAB_CATEGORY_BAND, kCombo, "CATEGORY-BAND: ",
     kMember},
    {&L::m_categoryMode, nullptr, kNoKey, -1, IDC_CAB_CATEGORY_MODE, kEdit, "CATEGORY-MODE: ",
     kMember},
    {&L::m_categoryPower, nullptr, kNoKey, -1, IDC_CAB_CATEGORY_POWER, kCombo,
     "CATEGORY-POWER: ", kMember},
    {&L::m_categoryStation, nullptr, kNoKey, -1, IDC_CAB_CATEGORY_STATION, kCombo,
     "CATEGORY-STATION: ", kMember},
    {&L::m_categoryTransmitter, nullptr, kNoKey, -1, IDC_CAB_CATEGORY_TRANSMITTER, kCombo,
     "CATEGORY-TRANSMITTER: ", kMember},
    {&L::m_categoryOverlay, "Category_Overlay", kWriteOnly, 8, IDC_CAB_CATEGORY_OVERLAY, kCombo,
     nullptr, kMember},
    {nullptr, nullptr, kNoKey, -1, 0, kHidden, "CLAIMED-SCORE: ", FileValue::kClaimedScore},
    {&L::m_claimed, "Claimed", kReadOnly, -1, IDC_CAB_CLAIMED, kShownOnly, nullptr, kMember},
    {&L::m_club, "Club", kReadWrite, 11, IDC_CAB_CLUB, kEdit, "CLUB: ", kMember},
    {nullptr, nullptr, kNoKey, -1, 0, kHidden, "CREATED-BY: Qalo ", FileValue::kCreator},
    {&L::m_location, nullptr, kNoKey, -1, IDC_CAB_LOCATION, kCombo, "LOCATION: ", kMember},
    {&L::m_email, "Email", kReadWrite, 10, IDC_CAB_EMAIL, kEdit, "EMAIL: ", kMember},
    {&L::m_name, "Name", kReadWrite, 1, IDC_CAB_NAME, kEdit, "NAME: ", kMember},
    {&L::m_address, "Address", kReadWrite, 2, IDC_CAB_ADDRESS, kEdit, "ADDRESS: ", kMember},
    {&L::m_addressCity, "Address_City", kReadWrite, 3, IDC_CAB_ADDRESS_CITY, kEdit,
     "ADDRESS-CITY: ", kMember},
    {&L::m_addressStateProvince, "Address_St_Prov", kReadWrite, 4, IDC_CAB_ADDRESS_ST_PROV, kEdit,
     "ADDRESS-STATE-PROVINCE: ", kMember},
    {&L::m_addressPostalCode, "Address_PostalCode", kReadWrite, 5, IDC_CAB_ADDRESS_POSTALCODE,
     kEdit, "ADDRESS-POSTALCODE: ", kMember},
    {&L::m_addressCountry, "Address_Country", kReadWrite, 6, IDC_CAB_ADDRESS_COUNTRY, kEdit,
     "ADDRESS-COUNTRY: ", kMember},
    {&L::m_operators, "Operators", kReadWrite, 0, IDC_CAB_OPERATORS, kEdit, "OPERATORS: ",
     kMember},
    {&L::m_soapbox, "SoapBox", kReadWrite, 12, IDC_CAB_SOAPBOX, kEdit, "SOAPBOX: ", kMember},
};
// A row left out would be zero-filled silently: the last row must be real.
static_assert(kCabrilloFields[kCabrilloFieldCount - 1].fileTag != nullptr, "rows missing");

const CabrilloField* StoredFieldInOrder(int position) {
  for (const CabrilloField& field : kCabrilloFields)
    if (field.storeOrder == position) return &field;
  return nullptr;
}
