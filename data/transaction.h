#pragma once
// A transaction guard: begins on construction and rolls back on destruction
// unless Commit was called. Guards nest: the outermost takes the write lock
// at once (BEGIN IMMEDIATE), or for reading only a shared lock when first
// needed (BEGIN); inner ones, and guards inside a transaction begun
// elsewhere, are savepoints, so an inner failure undoes only its own part.
// A read guard lets a run of look-ups lock the database once instead of
// once per statement.
namespace vyn {

class TSqliteConnection;

enum class TTransactionKind { tkWrite, tkRead };

class TTransaction {
 public:
  // Throws ESqliteError.
  explicit TTransaction(TSqliteConnection& connection,
                        TTransactionKind kind = TTransactionKind::tkWrite);
  ~TTransaction();
  TTransaction(const TTransaction&) = delete;
  TTransaction& operator=(const TTransaction&) = delete;

  void Commit();  // throws ESqliteError; the guard then rolls back
  void Rollback();

 private:
  void Finish(bool commit);

  TSqliteConnection& connection_;
  int level_;  // 1 for the outermost guard
  bool savepoint_;
  bool open_ = true;
};

}  // namespace vyn
