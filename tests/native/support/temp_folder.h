// TempFolder: a fresh, empty working folder for one test. The plug-in names its
// files relative to the current folder, as the host's working folder is, so the
// fixture changes into the folder and back again, and removes it afterwards.
#ifndef STATS_TESTS_TEMP_FOLDER_H_
#define STATS_TESTS_TEMP_FOLDER_H_

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
 public:
  TempFolder() : m_previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "stats-test-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
    std::filesystem::create_directory(m_path / "Plugins");
    std::filesystem::current_path(m_path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }

  // Whole file content, bytes as they are; empty when missing.
  static std::string Read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void Write(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
  }

 private:
  std::filesystem::path m_previous;
  std::filesystem::path m_path;
};

#endif  // STATS_TESTS_TEMP_FOLDER_H_
