#pragma once
// Writing people to the "NAME" table with their group memberships
// ("NAMEGRPS", group names in "GROUPS"). Each operation is one transaction:
// it succeeds as a whole or throws EPersonStoreError naming the person and
// what failed, and then the tables hold what they held before.
//
// A person's key is the first and the last name. The picture is stored as
// it is given (image file bytes) and an empty picture clears the field;
// "Modem" is always written empty.
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/person_record.h"

namespace vyn {
class TDataCollection;
}

namespace vyn::dialogs {

struct TPersonKey {
  std::string firstName, lastName;
  bool operator==(const TPersonKey&) const = default;
};

TPersonKey KeyOf(const core::TPersonRecord& person);

class EPersonStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TPersonStore {
 public:
  // The collection must be open and outlive the store.
  explicit TPersonStore(TDataCollection& tables) : tables_(tables) {}

  bool Exists(const TPersonKey& key);
  // The person's groups in name order.
  std::vector<std::string> Groups(const TPersonKey& key);

  // Adds a person who is not stored yet, member of exactly `groups` (names
  // missing from "GROUPS" are added there).
  void Insert(const core::TPersonRecord& person, const std::vector<std::string>& groups);
  // Replaces the stored person `key` by `person`, member of exactly
  // `groups`. The new names may differ from the key: the memberships then
  // move with the person; another person of the new names is an error.
  void Change(const TPersonKey& key, const core::TPersonRecord& person,
              const std::vector<std::string>& groups);
  // Change when the person's names are stored, else Insert. True when the
  // person was new.
  bool Store(const core::TPersonRecord& person, const std::vector<std::string>& groups);
  // Removes the person and the memberships; false when there is no such
  // person (nothing changes then).
  bool Delete(const TPersonKey& key);

 private:
  template <class Work>
  void InTransaction(const std::string& verb, const TPersonKey& key, Work work);
  void WriteRecord(const core::TPersonRecord& person);
  void WriteGroups(const TPersonKey& key, const std::vector<std::string>& groups);
  void DeleteGroups(const TPersonKey& key);
  void AddMissingGroup(const std::string& group);

  TDataCollection& tables_;
};

}  // namespace vyn::dialogs
