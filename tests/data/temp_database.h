#pragma once
// A database "VYN32" in a fresh temporary directory, removed afterwards.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/vyn_database.h"
#include "data/vyn_table.h"
#include "tests/support/temp_directory.h"

namespace vyn::testing {

class TempDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_.SetDirectory(directory_.Path() + "/Data/");
    database_.SetBusyTimeout(0);
    database_.Connect(TConnectMode::cmCreate);
  }

  // Writes `bytes` over the database file from `offset` on.
  void Overwrite(std::size_t offset, const std::string& bytes) {
    std::fstream file(database_.FilePath(), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  TTempDirectory directory_{"vyn_data"};
  TVynDatabase database_;
};

// Appends one row given as (field, value) pairs.
inline void AddRow(TVynTable& table,
                   const std::vector<std::pair<std::string, TVynValue>>& fields) {
  table.Insert();
  for (const auto& [name, value] : fields) table.FieldByName(name).SetValue(value);
  table.Post();
}

}  // namespace vyn::testing
