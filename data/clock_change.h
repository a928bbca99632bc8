#pragma once
// A clock change close to a birth moment that makes the local clock time
// ambiguous: skipped when the clocks went forward over it, repeated when
// they went back over it. The table store reports it as this record; the
// language layer puts it into words.
#include <cstdint>
#include <string>

namespace vyn {

enum class TClockChangeKind { ckSkipped, ckRepeated };

// Which of the two offsets around the change the birth time was read with.
enum class TClockReading { crBeforeChange, crAfterChange };

struct TClockChange {
  TClockChangeKind kind = TClockChangeKind::ckSkipped;
  std::string placeName;      // the birth place, as the atlas spells it
  std::int64_t date = 0;      // YYYYMMDD, the local date of the birth
  int birthMinute = 0;        // local clock time of the birth, minute of the day
  int changeMinute = 0;       // local clock time the clocks showed at the change
  int setToMinute = 0;        // local clock time they were set to
  TClockReading reading = TClockReading::crAfterChange;
};

}  // namespace vyn
