// The one reader of the plug-in's own text files: a whole file read at once,
// and split into lines, line ends (LF or CR LF) removed; a last line without a
// line end counts. A CR belongs to a line end only in front of its LF.
#ifndef STATS_ENGINE_TEXT_FILE_H_
#define STATS_ENGINE_TEXT_FILE_H_

#include <string>
#include <string_view>
#include <vector>

// The file's bytes. False when the file cannot be opened or read to its end;
// `missing`, when given, then tells whether the file does not exist at all.
bool ReadTextFile(const std::string& path, std::string* content, bool* missing = nullptr);

// Calls line(std::string_view) for every line of `content`, in order, without
// copying it (the bad-QSO rewrite walks a whole file this way).
template <typename Line>
void ForEachTextLine(const std::string& content, Line line) {
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    const bool lineEnd = end != std::string::npos;
    if (!lineEnd) end = content.size();
    std::size_t stop = end;
    if (lineEnd && stop > start && content[stop - 1] == '\r') --stop;
    line(std::string_view(content.data() + start, stop - start));
    start = end + 1;
  }
}

// ReadTextFile, then every line of it appended to `lines`.
bool ReadTextLines(const std::string& path, std::vector<std::string>* lines,
                   bool* missing = nullptr);

#endif  // STATS_ENGINE_TEXT_FILE_H_
