#pragma once
// The database the build ships, opened once per test suite with its tables
// in UK English.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "data/data_collection.h"
#include "data/vyn_database.h"

namespace vyn::testing {

class ShippedDatabaseFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    database_ = std::make_unique<TVynDatabase>();
    database_->SetDirectory(std::filesystem::path(VYN_SHIPPED_DATABASE).parent_path());
    database_->Connect(TConnectMode::cmOpenExisting);
    atlas_ = std::make_unique<TDataCollection>(*database_, "UK");
    atlas_->SetLanguage("UK");
    atlas_->SetActive(true);
  }
  static void TearDownTestSuite() {
    atlas_.reset();
    database_.reset();
  }

  static inline std::unique_ptr<TVynDatabase> database_;
  static inline std::unique_ptr<TDataCollection> atlas_;
};

}  // namespace vyn::testing
