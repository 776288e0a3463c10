#include "engine/intake.h"

#include <limits>

#include "engine/bad_qso_file.h"
#include "engine/contest_state.h"

std::int32_t DecimalValue(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = (text[i++] == '-');
  const long long limit = negative ? -static_cast<long long>(std::numeric_limits<std::int32_t>::min())
                                   : std::numeric_limits<std::int32_t>::max();
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value >= limit) {
      value = limit;
      break;
    }
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

void FillQsoRecord(CInfo& record, const CContestRules& bands, const QsoArgs& qso) {
  record.m_call = qso.call;
  record.m_prefix = qso.prefix;
  record.m_continent = qso.continent;
  const int band = bands.IndexOf(qso.band);
  record.m_band = band >= 0 ? bands[band] : qso.band;
  record.m_mode = qso.mode;
  record.m_rstRcvd = qso.rstRcvd;
  record.m_rstSent = qso.rstSent;
  record.m_exchRcvd = qso.exchRcvd;
  record.m_exchSent = qso.exchSent;
  record.m_zone = DecimalValue(qso.exchRcvd);
  record.m_freqKhz = static_cast<std::int32_t>(qso.freqHz / 1000);
  record.m_time = qso.time;
}

CInfo MakeQsoRecord(const CContestRules& bands, const QsoArgs& qso) {
  CInfo record;
  FillQsoRecord(record, bands, qso);
  return record;
}

int AddQso(ContestState& state, const QsoArgs& qso) {
  auto line = [&](const char* verdict) {
    std::string text = BadQsoLine(qso, qso.freqHz / 1000, qso.time, verdict);
    state.m_badQsoFile.Append(state.m_badQsoPath, text);
    return text;
  };
  auto reject = [&](const char* verdict) {
    state.m_rejectedQsos.Add(line(verdict));
    return 0;
  };

  const int band = state.m_bands.IndexOf(qso.band);
  if (band < 0) return reject(kVerdictWrongBand);
  if (!state.m_modes.Contains(qso.mode)) return reject(kVerdictWrongMode);
  if (qso.mode != (state.m_isCw ? "CW" : "SSB")) return reject(kVerdictWrongMode);
  if (qso.exchRcvd.empty() || qso.exchSent.empty()) return reject(kVerdictNoNumber);

  const std::string& bandName = state.m_bands[band];
  bool bandKnown = false;
  for (const std::string& worked : state.m_workedBands) bandKnown = bandKnown || worked == bandName;
  if (!bandKnown) state.m_workedBands.push_back(bandName);

  // The record is built where it is stored, and the look-up that files it
  // answers the dupe question too.
  const bool dupe = state.m_qsoStore.AppendMarkingDupe(
      [&](CInfo& record) { FillQsoRecord(record, state.m_bands, qso); });
  if (dupe) line(kVerdictDupe);
  return 1;
}
