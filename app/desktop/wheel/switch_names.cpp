#include "app/desktop/wheel/switch_names.h"

#include "app/desktop/program.h"
#include "data/data_collection.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "data/vyn_table.h"
#include "engine/horoscope.h"

namespace vyn::desktop {

void CopyPerson(THoroscope& target, const THoroscope& source) {
  const bool active = source.Active();
  target.SetActive(false);  // one calculation at the end, not one per input
  target.SetGregorianStart(source.GregorianStart());
  target.Assign(source);
  target.SetActive(active);
}

void SwitchPeople(TProgram& program) {
  THoroscope saved;
  CopyPerson(saved, program.Chart(1));
  CopyPerson(program.Chart(1), program.Chart(2));
  CopyPerson(program.Chart(2), saved);
  StoreCurrentPeople(program);
}

void StoreCurrentPeople(TProgram& program) {
  TVynTable& current = program.Tables().Table(TTableRole::trCurrentNames);
  TTransaction transaction(program.Tables().Database().Connection());
  current.EmptyTable();
  for (int slot = 1; slot <= kChartSlots; ++slot) {
    if (!program.SlotLoaded(slot)) continue;
    const THoroscope& chart = program.Chart(slot);
    current.Insert();
    current.FieldByName("FirstName").SetAsString(chart.FirstName());
    current.FieldByName("LastName").SetAsString(chart.LastName());
    current.Post();
  }
  transaction.Commit();
}

}  // namespace vyn::desktop
