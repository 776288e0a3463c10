#include "engine/rejected_qsos.h"

#include <algorithm>

#include "engine/bad_qso_file.h"

void RejectedQsos::RemoveMatching(const std::string& call, const std::string& timeKey) {
  m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(),
                               [&](const std::string& line) {
                                 return BadQsoLineBelongsTo(line, call, timeKey);
                               }),
                m_lines.end());
}
