#pragma once
// The database "VYN32": one SQLite file, VYN32.db, in the data directory
// (Data/ of the application directory unless set otherwise). Owns the
// connection; the tables bound to it are closed when it disconnects.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/sqlite_connection.h"

namespace vyn {

class TVynTable;

enum class TConnectMode {
  cmOpenExisting,  // a missing file is an error
  cmCreate,        // a missing file (and its directory) is created
};

class TVynDatabase {
 public:
  static constexpr std::string_view kDatabaseName = "VYN32";
  static constexpr std::string_view kFileName = "VYN32.db";

  TVynDatabase();
  ~TVynDatabase();
  TVynDatabase(const TVynDatabase&) = delete;
  TVynDatabase& operator=(const TVynDatabase&) = delete;

  // Data/ under the application directory.
  static std::string DefaultDirectory();

  std::string DatabaseName() const { return std::string(kDatabaseName); }
  const std::string& Directory() const { return directory_; }
  // Only while disconnected.
  void SetDirectory(const std::string& directory);
  // The database file in the directory, matched without regard to case.
  std::string FilePath() const;

  // Throws EDatabaseError naming the database and the file: missing file,
  // locked, not a database.
  void Connect(TConnectMode mode = TConnectMode::cmOpenExisting);
  void Disconnect();
  bool Connected() const { return connection_ != nullptr; }

  int BusyTimeout() const { return busyTimeoutMs_; }
  void SetBusyTimeout(int milliseconds);

  // Throws EDatabaseError (deNotConnected) while disconnected.
  TSqliteConnection& Connection();
  // Changes with every Connect, so statements prepared on an earlier
  // connection are known to be stale.
  std::uint64_t ConnectionSerial() const { return connectionSerial_; }

  // Whether the database holds a table of that name (any letter case).
  // Throws ESqliteError.
  bool TableExists(std::string_view name);

 private:
  friend class TVynTable;
  void Attach(TVynTable* table);
  void Detach(TVynTable* table);
  std::string ExistingDirectory() const;
  [[noreturn]] void Fail(int sqlite_code, const std::string& what) const;

  std::string directory_;
  int busyTimeoutMs_ = 1000;
  std::unique_ptr<TSqliteConnection> connection_;
  std::uint64_t connectionSerial_ = 0;
  std::vector<TVynTable*> tables_;
};

}  // namespace vyn
