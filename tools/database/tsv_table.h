#pragma once
// A tab-separated text table with a header line of column names.
#include <string>
#include <string_view>
#include <vector>

namespace vyn::tools {

class TTsvTable {
 public:
  // Throws std::runtime_error naming the file when it cannot be read or a
  // row has another number of columns than the header.
  static TTsvTable Read(const std::string& path);

  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
  // The index of a column; throws std::runtime_error naming the file.
  std::size_t Column(std::string_view name) const;

 private:
  std::string path_;
  std::vector<std::string> header_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace vyn::tools
