// ReplaceFileContents: the one way the plug-in rewrites a file by name. The
// new text goes to "<path>.tmp" beside the file, which then replaces it in one
// step, so a failure at any point leaves the earlier file whole and no
// temporary behind. True only when the new file is in place.
#ifndef STATS_ENGINE_REPLACE_FILE_H_
#define STATS_ENGINE_REPLACE_FILE_H_

#include <string>

bool ReplaceFileContents(const std::string& path, const std::string& text);

#endif  // STATS_ENGINE_REPLACE_FILE_H_
