#pragma once
// The command line's access to the atlas in the application directory's
// database, opened on first use.
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "data/birth_place.h"

namespace vyn {
class TDataCollection;
class TVynDatabase;
}  // namespace vyn

namespace vyn::cli {

class TAtlas {
 public:
  TAtlas();
  ~TAtlas();

  // Throws TInputError("atlas", ...) when the database cannot be opened.
  TDataCollection& Tables();

  // The place at a local date (YYYYMMDD) and clock time (HHMMSS); throws
  // TInputError naming `field` when the atlas lacks the state or place.
  TBirthPlace Resolve(const std::string& state, const std::string& place,
                      std::int64_t date, std::int64_t time,
                      const std::string& field);

 private:
  std::unique_ptr<TVynDatabase> database_;
  std::unique_ptr<TDataCollection> tables_;
};

// What the atlas said about a birth place, for the output documents.
nlohmann::json BirthPlaceToJson(const TBirthPlace& place);

// Table forms (degrees * 100 + minutes) as D.MM numbers.
long double TableAngleToDM(long angle);

}  // namespace vyn::cli
