#include "dialogs/names/person_store.h"

#include "data/data_collection.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "data/vyn_table.h"
#include "dialogs/names/primary_order.h"

namespace vyn::dialogs {
namespace {

using core::TPersonRecord;

std::string Describe(const TPersonKey& key) {
  return "\"" + key.firstName + " " + key.lastName + "\"";
}

// A table left in the middle of an insert or edit by a failed step drops
// its buffer, so the next browse does not post it.
void DropBuffer(TVynTable& table) {
  if (table.State() == TTableState::tsEdit || table.State() == TTableState::tsInsert)
    table.Cancel();
}

}  // namespace

TPersonKey KeyOf(const TPersonRecord& person) { return {person.firstName, person.lastName}; }

template <class Work>
void TPersonStore::InTransaction(const std::string& verb, const TPersonKey& key, Work work) {
  TVynTable& names = tables_.Table(TTableRole::trNames);
  TVynTable& members = tables_.Table(TTableRole::trGroupMembers);
  TVynTable& groups = tables_.Table(TTableRole::trGroups);
  try {
    TTransaction transaction(tables_.Database().Connection());
    work();
    transaction.Commit();
  } catch (const EPersonStoreError&) {
    for (TVynTable* table : {&names, &members, &groups}) DropBuffer(*table);
    throw;
  } catch (const std::exception& e) {
    for (TVynTable* table : {&names, &members, &groups}) DropBuffer(*table);
    throw EPersonStoreError(verb + " the person " + Describe(key) + " failed: " + e.what());
  }
}

bool TPersonStore::Exists(const TPersonKey& key) {
  TVynTable& names = tables_.Table(TTableRole::trNames);
  TPrimaryOrder order(names);
  const std::vector<TTableRow> rows = names.ReadRows({key.firstName, key.lastName}, 1);
  return !rows.empty() && RowText(names, rows[0], "FirstName") == key.firstName &&
         RowText(names, rows[0], "LastName") == key.lastName;
}

std::vector<std::string> TPersonStore::Groups(const TPersonKey& key) {
  TVynTable& members = tables_.Table(TTableRole::trGroupMembers);
  TPrimaryOrder order(members);
  std::vector<std::string> result;
  constexpr std::size_t kWindow = 64;
  std::vector<TVynValue> from = {key.firstName, key.lastName};
  for (;;) {
    const std::vector<TTableRow> rows = members.ReadRows(from, kWindow);
    for (const TTableRow& row : rows) {
      if (RowText(members, row, "FirstName") != key.firstName ||
          RowText(members, row, "LastName") != key.lastName)
        return result;
      const std::string& group = RowText(members, row, "GroupName");
      if (result.empty() || result.back() != group) result.push_back(group);
    }
    if (rows.size() < kWindow) return result;
    // The next window starts at the last group read, which it skips.
    from = {key.firstName, key.lastName, result.back()};
  }
}

void TPersonStore::Insert(const TPersonRecord& person, const std::vector<std::string>& groups) {
  const TPersonKey key = KeyOf(person);
  InTransaction("Adding", key, [&] {
    TVynTable& names = tables_.Table(TTableRole::trNames);
    TPrimaryOrder order(names);
    if (names.FindKey({key.firstName, key.lastName}))
      throw EPersonStoreError("Adding the person " + Describe(key) +
                              " failed: a person of these names is stored already");
    names.Insert();
    WriteRecord(person);
    WriteGroups(key, groups);
  });
}

void TPersonStore::Change(const TPersonKey& key, const TPersonRecord& person,
                          const std::vector<std::string>& groups) {
  const TPersonKey next = KeyOf(person);
  InTransaction("Changing", key, [&] {
    TVynTable& names = tables_.Table(TTableRole::trNames);
    TPrimaryOrder order(names);
    if (next != key && names.FindKey({next.firstName, next.lastName}))
      throw EPersonStoreError("Changing the person " + Describe(key) + " failed: " +
                              Describe(next) + " is stored already");
    if (!names.FindKey({key.firstName, key.lastName}))
      throw EPersonStoreError("Changing the person " + Describe(key) +
                              " failed: no such person is stored");
    names.Edit();
    WriteRecord(person);
    DeleteGroups(key);
    WriteGroups(next, groups);
  });
}

bool TPersonStore::Store(const TPersonRecord& person, const std::vector<std::string>& groups) {
  const TPersonKey key = KeyOf(person);
  if (Exists(key)) {
    Change(key, person, groups);
    return false;
  }
  Insert(person, groups);
  return true;
}

bool TPersonStore::Delete(const TPersonKey& key) {
  bool found = false;
  InTransaction("Deleting", key, [&] {
    TVynTable& names = tables_.Table(TTableRole::trNames);
    TPrimaryOrder order(names);
    found = names.FindKey({key.firstName, key.lastName});
    if (!found) return;
    names.Delete();
    DeleteGroups(key);
  });
  return found;
}

void TPersonStore::WriteRecord(const TPersonRecord& p) {
  TVynTable& names = tables_.Table(TTableRole::trNames);
  const auto text = [&](const char* field, const std::string& value) {
    names.FieldByName(field).SetAsString(value);
  };
  text("FirstName", p.firstName);
  text("LastName", p.lastName);
  text("Sex", p.sex);
  text("BirthCountry", p.birthCountry);
  text("BirthTown", p.birthTown);
  text("BirthDate", p.birthDate);
  text("BirthTime", p.birthTime);
  names.FieldByName("TimeUnknown").SetAsBoolean(p.timeUnknown);
  names.FieldByName("Latitude").SetAsInteger(p.latitude);
  names.FieldByName("Longitude").SetAsInteger(p.longitude);
  text("TimeZone", p.timeZone);
  text("SummerTime", p.summerTime);
  text("Address1", p.address1);
  text("Address2", p.address2);
  text("PostalCode", p.postalCode);
  text("Town", p.town);
  text("Country", p.country);
  text("HomePhone", p.homePhone);
  text("WorkPhone", p.workPhone);
  text("Fax", p.fax);
  text("Modem", "");
  if (p.picture.empty())
    names.FieldByName("Picture").Clear();
  else
    names.FieldByName("Picture").SetAsBytes(p.picture);
  text("Notes", p.notes);
  names.Post();
}

void TPersonStore::DeleteGroups(const TPersonKey& key) {
  TVynTable& members = tables_.Table(TTableRole::trGroupMembers);
  TPrimaryOrder order(members);
  while (members.FindKey({key.firstName, key.lastName})) members.Delete();
}

void TPersonStore::WriteGroups(const TPersonKey& key, const std::vector<std::string>& groups) {
  TVynTable& members = tables_.Table(TTableRole::trGroupMembers);
  TPrimaryOrder order(members);
  for (const std::string& group : groups) {
    if (group.empty() || members.FindKey({key.firstName, key.lastName, group})) continue;
    AddMissingGroup(group);
    members.Insert();
    members.FieldByName("GroupName").SetAsString(group);
    members.FieldByName("FirstName").SetAsString(key.firstName);
    members.FieldByName("LastName").SetAsString(key.lastName);
    members.Post();
  }
}

void TPersonStore::AddMissingGroup(const std::string& group) {
  TVynTable& groups = tables_.Table(TTableRole::trGroups);
  TPrimaryOrder order(groups);
  if (groups.FindKey({group})) return;
  groups.Insert();
  groups.FieldByName("GroupName").SetAsString(group);
  groups.Post();
}

}  // namespace vyn::dialogs
