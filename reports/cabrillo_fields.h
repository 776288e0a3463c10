// The Cabrillo header fields in one table: for each value of CabrilloLog, its
// settings key, its control in the header dialog and its tag in the file. The
// header preparation, the dialog's value exchange and the file writer all
// loop over it, so a field is added or changed in one place.
//
// The rows run in the order of the file's header lines. Three lines have no
// value of their own (the contest name and the claimed score follow the run,
// the creator names the host); three values have no line (the contest name as
// typed, the claimed score as shown, the overlay).
#ifndef STATS_REPORTS_CABRILLO_FIELDS_H_
#define STATS_REPORTS_CABRILLO_FIELDS_H_

#include <string>

#include "reports/cabrillo_log.h"

// How a value meets the settings file. Write-only keys are stored when the
// dialog is confirmed but never read back, so those fields always start from
// their fixed values.
enum class FieldStorage { kNone, kReadWrite, kReadOnly, kWriteOnly };

// How the dialog shows a value: a text box, a combo box taking any text, or a
// text box whose edits are dropped.
enum class FieldControl { kNone, kEdit, kCombo, kShownOnly };

// Where a file line's value comes from.
enum class FileValue { kMember, kContestName, kClaimedScore, kCreator };

struct CabrilloField {
  std::string CabrilloLog::*member;  // null for a line without a value of its own
  const char* settingsKey;           // null: not stored
  FieldStorage storage;
  int storeOrder;  // position among the keys written on OK, from 0
  int control;     // dialog control id, 0 when not shown
  FieldControl shown;
  const char* fileTag;  // the line's start, value after it; null: no line
  FileValue fileValue;
};

constexpr int kCabrilloFieldCount = 25;
extern const CabrilloField kCabrilloFields[kCabrilloFieldCount];

// The rows whose keys are written on OK, in the order they are written.
const CabrilloField* StoredFieldInOrder(int position);

#endif  // STATS_REPORTS_CABRILLO_FIELDS_H_
