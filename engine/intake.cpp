#include "engine/intake.h"

#include <limits>
#include <utility>

#include "engine/bad_qso_file.h"
#include "plugin/plugin_state.h"

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

CInfo MakeQsoRecord(const CContestRules& bands, const QsoArgs& qso) {
  CInfo record;
  record.m_call = qso.call;
  record.m_prefix = qso.prefix;
  record.m_continent = qso.continent;
  int band = bands.IndexOf(qso.band);
  record.m_band = band >= 0 ? bands[band] : qso.band;
  record.m_mode = qso.mode;
  record.m_rstRcvd = qso.rstRcvd;
  record.m_rstSent = qso.rstSent;
  record.m_exchRcvd = qso.exchRcvd;
  record.m_exchSent = qso.exchSent;
  record.m_zone = DecimalValue(qso.exchRcvd);
  record.m_freqKhz = static_cast<std::int32_t>(qso.freqHz / 1000);
  record.m_time = qso.time;
  return record;
}

int AddQso(PluginState& state, const QsoArgs& qso) {
  CInfo record = MakeQsoRecord(state.m_bands, qso);
  BadQsoAppender badQsos(state.m_badQsoPath);
  auto reject = [&](const char* verdict) {
    badQsos.Append(BadQsoLine(qso, static_cast<unsigned>(record.m_freqKhz), record.m_time,
                              verdict));
    return 0;
  };

  if (!state.m_bands.Contains(qso.band)) return reject(kVerdictWrongBand);
  if (!state.m_modes.Contains(qso.mode)) return reject(kVerdictWrongMode);
  if (qso.mode != (state.m_isCw ? "CW" : "SSB")) return reject(kVerdictWrongMode);
  if (qso.exchRcvd.empty() || qso.exchSent.empty()) return reject(kVerdictNoNumber);

  bool bandKnown = false;
  for (const std::string& band : state.m_workedBands) bandKnown = bandKnown || band == record.m_band;
  if (!bandKnown) state.m_workedBands.push_back(record.m_band);

  if (state.m_qsoStore.HasCallOnBandInMode(record.m_call, record.m_band, record.m_mode)) {
    record.m_dupe = 1;
    record.m_invalid = 1;
    badQsos.Append(BadQsoLine(qso, static_cast<unsigned>(record.m_freqKhz), record.m_time,
                              kVerdictDupe));
  }

  state.m_qsoStore.Append(std::move(record));
  return 1;
}
