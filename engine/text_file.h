// ReadTextLines: a whole text file split into lines, line ends (LF or CR LF)
// removed; a last line without a line end counts. The one reader of the
// plug-in's own text files.
#ifndef STATS_ENGINE_TEXT_FILE_H_
#define STATS_ENGINE_TEXT_FILE_H_

#include <string>
#include <vector>

// False when the file cannot be opened or read to its end; `missing`, when
// given, then tells whether the file does not exist at all.
bool ReadTextLines(const std::string& path, std::vector<std::string>* lines,
                   bool* missing = nullptr);

#endif  // STATS_ENGINE_TEXT_FILE_H_
