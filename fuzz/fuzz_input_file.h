#pragma once
// The bytes of one fuzz input as a file on disk, for readers that take a
// path. The file lives in a directory of its own, made once per process,
// and is rewritten for every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vyn::fuzz {

class TFuzzInputFile {
 public:
  explicit TFuzzInputFile(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vyn-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    path_ = (dir / name).string();
  }
  ~TFuzzInputFile() {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(path_).parent_path(), ec);
  }
  TFuzzInputFile(const TFuzzInputFile&) = delete;
  TFuzzInputFile& operator=(const TFuzzInputFile&) = delete;

  // Replaces the file's contents with `size` bytes from `data`.
  const std::string& Write(const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) std::abort();  // the harness itself failed, not the reader
    return path_;
  }

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace vyn::fuzz
