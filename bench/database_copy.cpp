#include "bench/database_copy.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace vyn::bench {

namespace fs = std::filesystem;

namespace {

std::string MakeTemporaryDirectory() {
  std::string pattern = (fs::temp_directory_path() / "vyn_table_store_XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data()))
    throw std::runtime_error("cannot create a temporary directory like " + pattern);
  return name.data();
}

}  // namespace

TDatabaseCopy::TDatabaseCopy(const std::string& source, const std::string& file_name) {
  std::error_code ec;
  if (!fs::is_regular_file(source, ec))
    throw std::runtime_error("the database file " + source +
                             " does not exist; build the target shipped_database");
  directory_ = MakeTemporaryDirectory();
  file_ = (fs::path(directory_) / file_name).string();
  if (!fs::copy_file(source, file_, ec)) {
    fs::remove_all(directory_, ec);
    throw std::runtime_error("cannot copy " + source + " to " + file_);
  }
}

TDatabaseCopy::~TDatabaseCopy() {
  std::error_code ec;
  fs::remove_all(directory_, ec);
}

}  // namespace vyn::bench
