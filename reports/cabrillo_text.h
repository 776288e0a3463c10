// Pure text helpers of the Cabrillo export, shared by the header preparation,
// the header dialog and the tests.
//
// The soap box has three forms:
//   dialog form: the operator's text, lines broken by CR LF;
//   stored form: one line for the settings file, every CR written "<CR>" and
//                every LF written "<LF>";
//   file form:   what follows "SOAPBOX: " in the Cabrillo file, every later
//                line already beginning "SOAPBOX: ".
#ifndef STATS_REPORTS_CABRILLO_TEXT_H_
#define STATS_REPORTS_CABRILLO_TEXT_H_

#include <string>

// Every non-overlapping occurrence of `from`, left to right, replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// The Cabrillo file's base name for an own call: leading and trailing white
// space goes, and every character left that a Windows file name cannot hold
// (\ / : * ? " < > | and control characters) becomes "_"; "YRTA" when nothing
// is left. A "/" or "\" at an end is replaced, never trimmed away.
std::string FileBaseFromCall(const std::string& ownCall);

std::string SoapboxStoredToDialog(const std::string& stored);
std::string SoapboxDialogToStored(const std::string& dialog);
std::string SoapboxStoredToFile(const std::string& stored);

#endif  // STATS_REPORTS_CABRILLO_TEXT_H_
