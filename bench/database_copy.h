#pragma once
// A private copy of a database file in a fresh temporary directory, removed
// with the copy, so that a benchmark never writes to the original.
#include <string>

namespace vyn::bench {

class TDatabaseCopy {
 public:
  // Copies `source` as `file_name` into a new directory under the system's
  // temporary directory. Throws std::runtime_error naming the file when it
  // is missing or cannot be copied.
  TDatabaseCopy(const std::string& source, const std::string& file_name);
  ~TDatabaseCopy();
  TDatabaseCopy(const TDatabaseCopy&) = delete;
  TDatabaseCopy& operator=(const TDatabaseCopy&) = delete;

  const std::string& Directory() const { return directory_; }
  const std::string& FilePath() const { return file_; }

 private:
  std::string directory_;
  std::string file_;
};

}  // namespace vyn::bench
