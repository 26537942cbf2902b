// A scratch folder per test, removed afterwards, and a copy of the generated
// program folder in it so that tests may rewrite the default data or settings.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace calvix::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("calvix-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The folder with the generated Units.fil, Bars.fil, CXDeflt.fil and Calvix.ini.
inline std::filesystem::path GeneratedProgramFolder() {
  return CALVIX_PROGRAM_DIR;
}

// Copies the program-folder files into `folder`.
inline void CopyProgramFiles(const std::filesystem::path& folder) {
  for (const char* name : {"Units.fil", "Bars.fil", "CXDeflt.fil", "Calvix.ini"}) {
    std::filesystem::copy_file(GeneratedProgramFolder() / name, folder / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace calvix::testing
