// QSO intake (AddData0): checks band, mode, contest mode and exchanges in that
// order, writes a rejected QSO or a dupe to the bad-QSO file, and stores every
// accepted QSO (a dupe flagged). Returns 1 when stored, 0 when rejected.
#ifndef STATS_ENGINE_INTAKE_H_
#define STATS_ENGINE_INTAKE_H_

#include <cstdint>
#include <string>

#include "engine/host_args.h"
#include "engine/qso.h"

struct ContestState;
class CContestRules;

int AddQso(ContestState& state, const QsoArgs& qso);

// The record intake makes of the host's arguments (removal searches for it).
// A band name the band list knows is stored in the list's own spelling, so
// "20M" and "20m" are one band everywhere; any other band text is kept as given.
CInfo MakeQsoRecord(const CContestRules& bands, const QsoArgs& qso);
// The same, into a record in its new state (intake builds it in the store).
void FillQsoRecord(CInfo& record, const CContestRules& bands, const QsoArgs& qso);

// A text as a decimal number the way atoi reads it: leading white space, an
// optional sign, digits up to the first non-digit, 0 without digits. Values
// beyond the 32-bit range are clamped to it instead of overflowing.
std::int32_t DecimalValue(const std::string& text);

#endif  // STATS_ENGINE_INTAKE_H_
