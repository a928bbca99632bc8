#pragma once
// The command line's access to the application directory's database: the
// atlas, and the texts and orb sets of one language, opened on first use.
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "data/birth_place.h"
#include "engine/horoscope.h"

namespace vyn {
class TDataCollection;
class TLanguage;
class TVynDatabase;
}  // namespace vyn

namespace vyn::cli {

// The name token of the standard synastry orb set.
inline constexpr int kSynastryOrbSetToken = 1017;

class TAtlas {
 public:
  // `language`: the code of the language whose tables are used.
  explicit TAtlas(std::string language = "UK");
  ~TAtlas();

  // Throws TInputError("atlas", ...) when the database cannot be opened,
  // TInputError("--lang", ...) when it has no tables of the language.
  TDataCollection& Tables();
  // The language's texts, loaded from its help table.
  const TLanguage& Language();
  // The orbs of a set of the language's orb definitions into the chart
  // (inactive); throws TInputError("--orbset", ...) naming the sets there
  // are when the language has no set of that name.
  void ApplyOrbSet(const std::string& name, THoroscope& chart);

  // The place at a local date (YYYYMMDD) and clock time (HHMMSS); throws
  // TInputError naming `field` when the atlas lacks the state or place.
  TBirthPlace Resolve(const std::string& state, const std::string& place,
                      std::int64_t date, std::int64_t time,
                      const std::string& field);

 private:
  std::vector<std::string> OrbSetNames();

  std::string language_;
  std::unique_ptr<TVynDatabase> database_;
  std::unique_ptr<TDataCollection> tables_;
  std::unique_ptr<TLanguage> texts_;
};

// What the atlas said about a birth place, for the output documents.
nlohmann::json BirthPlaceToJson(const TBirthPlace& place);

// Table forms (degrees * 100 + minutes) as D.MM numbers.
long double TableAngleToDM(long angle);

}  // namespace vyn::cli
