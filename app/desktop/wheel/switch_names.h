#pragma once
// Exchanging the two people compared: their birth data trade chart slots 1
// and 2, and the list of current people ("CurrNAME") follows, so that the
// next start shows them the new way round.
namespace vyn {
class THoroscope;
}  // namespace vyn

namespace vyn::desktop {

class TProgram;

// Copies a person from one chart record to another: names, sex, birth
// place, coordinates, birth date and time, zone and summer time, the first
// Gregorian date, the time-unknown flag and the house system; the target
// then becomes as active as the source (and is calculated once).
void CopyPerson(THoroscope& target, const THoroscope& source);

// Slot 1 takes slot 2's person and slot 2 slot 1's; then "CurrNAME" holds
// one row for every loaded slot 1..6, in slot order, in one transaction.
// A failure to write the table throws and leaves it as it was.
void SwitchPeople(TProgram& program);

// Rewrites "CurrNAME" from the loaded slots as SwitchPeople does.
void StoreCurrentPeople(TProgram& program);

}  // namespace vyn::desktop
