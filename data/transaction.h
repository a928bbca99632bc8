#pragma once
// A transaction guard: begins on construction and rolls back on destruction
// unless Commit was called. Guards nest: the outermost takes the write lock
// at once (BEGIN IMMEDIATE), inner ones are savepoints, so an inner failure
// undoes only its own part.
namespace vyn {

class TSqliteConnection;

class TTransaction {
 public:
  explicit TTransaction(TSqliteConnection& connection);  // throws ESqliteError
  ~TTransaction();
  TTransaction(const TTransaction&) = delete;
  TTransaction& operator=(const TTransaction&) = delete;

  void Commit();  // throws ESqliteError; the guard then rolls back
  void Rollback();

 private:
  void Finish(bool commit);

  TSqliteConnection& connection_;
  int level_;  // 1 for the outermost guard
  bool open_ = true;
};

}  // namespace vyn
