// The texts of the result report, byte for byte as the host shows them: the
// tab-separated text form and the HTML form. The host parses neither, but
// operators compare them with earlier versions, so they do not change.
//
// printf-style templates: %s a string, %i a decimal int, %5i the same right-
// aligned in five characters. The page head and the page end are appended as
// they are, never used as a format.
#ifndef STATS_REPORTS_REPORT_TEMPLATES_H_
#define STATS_REPORTS_REPORT_TEMPLATES_H_

namespace report_text {

// Text form.
inline constexpr char kHeadingCw[] =
    "  CQ WW CW DX Contest %s-%s \r\n\t    Contestant: %s\r\nBand\tQSOs\tPoints\tDXCC\tZone\r\n";
inline constexpr char kHeadingSsb[] =
    "  CQ WW SSB DX Contest %s-%s \r\n\t    Contestant: %s\r\nBand\tQSOs\tPoints\tDXCC\tZone\r\n";
inline constexpr char kBandRow[] = "%s\t %i\t %i\t %i\t %i\r\n";
inline constexpr char kTotals[] = "Total\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n";
inline constexpr char kRates[] =
    "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
    "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points";
inline constexpr char kScore[] = "\r\nScore: %i * (%i + %i) = %i\r\n\r\n";
inline constexpr char kCreditLine[] = "CQ WW CW/SSB statistics plug-in";  // no line end

// HTML form.
inline constexpr char kPageHead[] =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black; }</style></head><body>";
inline constexpr char kTitleCw[] = "   CQ WW CW DX Contest %s-%s";
inline constexpr char kTitleSsb[] = "   CQ WW SSB DX Contest %s-%s";
inline constexpr char kTitleBlock[] =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
inline constexpr char kColumnHeads[] =
    "<tr><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th></tr>";
inline constexpr char kCountRow[] =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td><center>%i</center>"
    "</td><td><center>%i</center></td><td><center>%i</center></td></tr>";
inline constexpr char kSingleRow[] =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td colspan=4> </td></tr>";
inline constexpr char kLastPointsRow[] =
    "<tr><th>%s</th><td colspan=1><center>%5i </center></td><td colspan=4> </td></tr>";
inline constexpr char kScoreRow[] =
    "<tr><th>%s</th><td colspan=4><center>%i * (%i + %i) = %i</center></td></tr>"
    "<tr><td colspan=5><center>Rate</center></td></tr>";
inline constexpr char kRateRow[] = "<tr><th>%s</th><td colspan=4><center>%5i /%i</center></td></tr>";
inline constexpr char kPageEnd[] = "</table></body></html>";

// Captions of the HTML rows.
inline constexpr char kBand[] = "Band";
inline constexpr char kQsos[] = "QSOs";
inline constexpr char kPoints[] = "Points";
inline constexpr char kDxcc[] = "DXCC";
inline constexpr char kZone[] = "Zone";
inline constexpr char kTotal[] = "Total";
inline constexpr char kDupe[] = "Dupe";
inline constexpr char kBadQso[] = "Bad QSO";
inline constexpr char kLastQsoPoints[] = "Last QSO points:";
inline constexpr char kScoreCaption[] = "Score:";
inline constexpr char kQsoRate[] = "Hourly (10min/1 hour) QSO rate:";
inline constexpr char kPointsRate[] = "Hourly (10min/1 hour) pts rate:";

}  // namespace report_text

#endif  // STATS_REPORTS_REPORT_TEMPLATES_H_
