#include "data/vyn_database.h"

#include <algorithm>
#include <filesystem>

#include "data/database_error.h"
#include "data/sqlite_statement.h"
#include "data/vyn_table.h"
#include "platform/app_directory.h"
#include "platform/file_names.h"

namespace vyn {

TVynDatabase::TVynDatabase() : directory_(DefaultDirectory()) {}

TVynDatabase::~TVynDatabase() {
  Disconnect();
  for (TVynTable* table : tables_) table->database_ = nullptr;
}

std::string TVynDatabase::DefaultDirectory() {
  return ResolvePathNoCase(JoinPath(AppDirectory(), "Data/"));
}

void TVynDatabase::SetDirectory(const std::string& directory) {
  if (Connected())
    throw EDatabaseError(TDataErrorKind::deWrongState,
                         "Database \"" + DatabaseName() +
                             "\": the directory cannot change while connected");
  directory_ = directory;
}

// The directory as it exists on disk in any letter case, else as written.
std::string TVynDatabase::ExistingDirectory() const {
  const std::string resolved = ResolvePathNoCase(directory_);
  std::error_code ec;
  return std::filesystem::is_directory(resolved, ec) ? resolved : directory_;
}

std::string TVynDatabase::FilePath() const {
  return ResolvePathNoCase(JoinPath(ExistingDirectory(), std::string(kFileName)));
}

void TVynDatabase::Fail(int sqlite_code, const std::string& what) const {
  throw EDatabaseError(ErrorKindOfSqliteCode(sqlite_code),
                       "Database \"" + DatabaseName() + "\" (" + FilePath() +
                           "): " + what);
}

void TVynDatabase::Connect(TConnectMode mode) {
  if (Connected()) return;
  std::error_code ec;
  if (mode == TConnectMode::cmCreate)
    std::filesystem::create_directories(ExistingDirectory(), ec);
  const std::string path = FilePath();
  if (mode != TConnectMode::cmCreate && !std::filesystem::exists(path, ec)) {
    throw EDatabaseError(TDataErrorKind::deMissingDatabase,
                         "Database \"" + DatabaseName() + "\" (" + path +
                             "): the file does not exist");
  }
  try {
    auto connection =
        std::make_unique<TSqliteConnection>(path, mode == TConnectMode::cmCreate);
    connection->SetBusyTimeout(busyTimeoutMs_);
    // Reading the schema proves the file is a database and not locked away.
    connection->Execute("SELECT count(*) FROM sqlite_schema");
    connection_ = std::move(connection);
    ++connectionSerial_;
  } catch (const ESqliteError& e) {
    const auto kind = ErrorKindOfSqliteCode(e.Code());
    if (kind == TDataErrorKind::deCorrupt)
      Fail(e.Code(), std::string("the file is not a database or is damaged (") +
                         e.what() + ")");
    if (kind == TDataErrorKind::deLocked)
      Fail(e.Code(), std::string("the database is locked by another program (") +
                         e.what() + ")");
    Fail(e.Code(), std::string("cannot open the file (") + e.what() + ")");
  }
}

void TVynDatabase::Disconnect() {
  for (TVynTable* table : tables_) table->Close();
  connection_.reset();
}

void TVynDatabase::SetBusyTimeout(int milliseconds) {
  busyTimeoutMs_ = milliseconds;
  if (connection_) connection_->SetBusyTimeout(milliseconds);
}

TSqliteConnection& TVynDatabase::Connection() {
  if (!connection_)
    throw EDatabaseError(TDataErrorKind::deNotConnected,
                         "Database \"" + DatabaseName() + "\" is not connected");
  return *connection_;
}

bool TVynDatabase::TableExists(std::string_view name) {
  TSqliteStatement statement(
      Connection(),
      "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?1 "
      "COLLATE NOCASE");
  statement.Bind(1, TVynValue(name));
  return statement.Step();
}

void TVynDatabase::Attach(TVynTable* table) { tables_.push_back(table); }

void TVynDatabase::Detach(TVynTable* table) {
  tables_.erase(std::remove(tables_.begin(), tables_.end(), table), tables_.end());
}

}  // namespace vyn
