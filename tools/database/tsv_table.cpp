#include "tools/database/tsv_table.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace vyn::tools {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
       start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

TTsvTable TTsvTable::Read(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  TTsvTable table;
  table.path_ = path;
  std::string line;
  long number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::string> fields = SplitTabs(line);
    if (table.header_.empty()) {
      table.header_ = std::move(fields);
      continue;
    }
    if (fields.size() != table.header_.size())
      throw std::runtime_error(path + ":" + std::to_string(number) + ": " +
                               std::to_string(fields.size()) + " columns, " +
                               std::to_string(table.header_.size()) +
                               " expected");
    table.rows_.push_back(std::move(fields));
  }
  if (table.header_.empty()) throw std::runtime_error(path + ": empty");
  return table;
}

std::size_t TTsvTable::Column(std::string_view name) const {
  const auto it = std::find(header_.begin(), header_.end(), name);
  if (it == header_.end())
    throw std::runtime_error(path_ + ": no column " + std::string(name));
  return static_cast<std::size_t>(it - header_.begin());
}

}  // namespace vyn::tools
