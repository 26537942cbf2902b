// Shared pieces of the fuzz targets: a private scratch folder holding a copy
// of the generated program folder, and a platform that answers every question
// and hands out one scripted file.
#pragma once

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/platform.h"

namespace calvix::fuzzing {

// One per process: the folder is named after the process.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = std::filesystem::temp_directory_path() / ("calvix-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
    for (const char* name : {"Units.fil", "Bars.fil", "CXDeflt.fil", "Calvix.ini"}) {
      std::filesystem::copy_file(std::filesystem::path(CALVIX_PROGRAM_DIR) / name, path_ / name,
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Answers Yes to every question and opens the one file it was given.
class AnsweringPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(const Message& message) override {
    if (message.buttons == MessageButtons::SaveDiscardCancel) return MessageAnswer::Discard;
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest&) override {
    return std::exchange(file, std::nullopt);
  }
  std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest&) override {
    return std::nullopt;
  }
  void SetBusyPointer(bool) override {}

  std::optional<std::filesystem::path> file;
};

}  // namespace calvix::fuzzing
