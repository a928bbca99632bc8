#include "app/cli/sample_people.h"

#include <unistd.h>

#include <iostream>
#include <nlohmann/json.hpp>

#include "app/cli/json_reader.h"

namespace vyn::cli {

nlohmann::json SamplePair() {
  return {{"charts",
           {{{"FirstName", "Anna"}, {"LastName", "Lindqvist"}, {"Sex", "F"},
             {"PlaceName", "Stockholm"}, {"StateName", "Sweden"},
             {"BirthDate", 1985.0614}, {"BirthTime", 8.20},
             {"ZoneTime", -1.00}, {"SummerTime", 1.00},
             {"Latitude", 59.20}, {"Longitude", -18.03},
             {"GregorianStart", 1753.0301}},
            {{"FirstName", "Marco"}, {"LastName", "Bellini"}, {"Sex", "M"},
             {"PlaceName", "Roma"}, {"StateName", "Italy"},
             {"BirthDate", 1982.1103}, {"BirthTime", 22.45},
             {"ZoneTime", -1.00}, {"SummerTime", 0.00},
             {"Latitude", 41.54}, {"Longitude", -12.29},
             {"GregorianStart", 1582.1015}}}}};
}

nlohmann::json PairFromStandardInput() {
  if (isatty(STDIN_FILENO)) return SamplePair();
  return ReadJson(std::cin, "standard input");
}

}  // namespace vyn::cli
