// The bad-QSO file: a CR LF text file for the operator with one header line
// and one line for every rejected QSO and every dupe.
//
//   header:  "CQ WW CW DX Contest UBN file " or "CQ WW SSB DX Contest UBN file "
//   QSO:     "QSO:  " freq "  " mode "  " date-time "  " own-call "  " rst-sent
//            "  " exch-sent "  " call "  " rst-rcvd "  " exch-rcvd verdict
//
// The QSO fields show the host's texts as it gave them; empty ones leave their
// place empty, so two separators meet. A file that cannot be opened or written
// loses its lines silently (the operator's log in the host is the record, this
// is a report).
#ifndef STATS_ENGINE_BAD_QSO_FILE_H_
#define STATS_ENGINE_BAD_QSO_FILE_H_

#include <cstdio>
#include <string>
#include <string_view>

#include "engine/host_args.h"

// Verdicts; each begins with three blanks.
extern const char kVerdictWrongBand[];  // "   WRONG BAND !!!"
extern const char kVerdictWrongMode[];  // "   WRONG MODE !!!"
extern const char kVerdictNoNumber[];   // "   NO NUMBER !!!"
extern const char kVerdictDupe[];       // "   DUPE !!!"

// The file's name for the contest's last day formatted "%d_%m_%Y".
std::string BadQsoFileName(const std::string& fileDate);

// The header line for the contest mode, without its line end.
std::string BadQsoHeader(int isCw);

// One QSO line, without its line end. freqKhz and time are the record's values
// (the frequency in kHz, the time formatted "%Y-%m-%d %H%M"); every other field
// is the host's argument unchanged.
std::string BadQsoLine(const QsoArgs& qso, unsigned freqKhz, const COleDateTime& time,
                       const char* verdict);

// Whether a removal of the QSO with `call` at `timeKey` (" hhmm ") takes this
// QSO line out of the file: a line that holds both texts is taken to be its.
bool BadQsoLineBelongsTo(std::string_view line, std::string_view call,
                         std::string_view timeKey);

// The one writer of the file. Intake's lines go through Append, which keeps
// the file open from one line to the next, so that a host feeding a whole log
// does not pay for an open and a close per rejected QSO; every line is handed
// to the system at once, so a reader of the file sees it at once. Release
// closes the file; every call of the host other than intake releases it first,
// and so do Start and RewriteWithout, which replace the file by name. A file
// that cannot be opened or written loses its lines silently.
class BadQsoFile {
 public:
  BadQsoFile() = default;
  ~BadQsoFile() { Release(); }
  BadQsoFile(const BadQsoFile&) = delete;
  BadQsoFile& operator=(const BadQsoFile&) = delete;

  // Appends one line (its line end added) to the file at `path`, created when
  // missing. An empty path names no file.
  void Append(const std::string& path, const std::string& line);

  // Closes the file if it is open.
  void Release();

  // Creates or truncates the file and writes the header alone.
  void Start(const std::string& path, int isCw);

  // Rewrites the file for a removed QSO: the header for the current mode, then
  // every old QSO line (the old header skipped) except those that contain both
  // `call` and `timeKey`, in their old order. The new content goes to a file
  // beside the old one that then replaces it in one step, so a failure midway
  // leaves the old file whole; content that would not change is not written
  // at all. A missing file is started anew with the header; a file that exists
  // but cannot be read is left as it is.
  void RewriteWithout(const std::string& path, int isCw, const std::string& call,
                      const std::string& timeKey);

 private:
  std::string m_path;
  std::FILE* m_file = nullptr;
};

#endif  // STATS_ENGINE_BAD_QSO_FILE_H_
