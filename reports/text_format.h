// printf-style formatting into std::string, for the report and file templates.
// The result is as long as the values need: a long call or a long header value
// is never cut and never overruns a buffer.
#ifndef STATS_REPORTS_TEXT_FORMAT_H_
#define STATS_REPORTS_TEXT_FORMAT_H_

#include <string>

#if defined(__GNUC__)
#define STATS_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define STATS_PRINTF_FORMAT(f, a)
#endif

std::string StringPrintf(const char* format, ...) STATS_PRINTF_FORMAT(1, 2);
void AppendPrintf(std::string& out, const char* format, ...) STATS_PRINTF_FORMAT(2, 3);

#endif  // STATS_REPORTS_TEXT_FORMAT_H_
