#include "data/table_catalogue.h"

#include <stdexcept>

namespace vyn {
namespace {

constexpr auto kText = TFieldKind::fkText;
constexpr auto kInteger = TFieldKind::fkInteger;
constexpr auto kBoolean = TFieldKind::fkBoolean;
constexpr auto kMemo = TFieldKind::fkMemo;
constexpr auto kPicture = TFieldKind::fkPicture;
constexpr auto kName = TTextOrder::toName;

TTableLayout NamesLayout() {
  return {{{"FirstName", kText, 0, kName}, {"LastName", kText, 0, kName},
           {"Sex", kText, 1},      {"BirthCountry", kText, 40}, {"BirthTown", kText, 40},
           {"BirthDate", kText, 8}, {"BirthTime", kText, 6},
           {"TimeUnknown", kBoolean}, {"Latitude", kInteger},
           {"Longitude", kInteger}, {"TimeZone", kText, 5},
           {"SummerTime", kText, 5}, {"Address1", kText},   {"Address2", kText},
           {"PostalCode", kText},  {"Town", kText},          {"Country", kText},
           {"HomePhone", kText},   {"WorkPhone", kText},     {"Fax", kText},
           {"Modem", kText},       {"Picture", kPicture},    {"Notes", kMemo}},
          {"FirstName", "LastName"},
          {{"LName", {"LastName", "FirstName"}}}};
}

TTableLayout HelpLayout() {
  return {{{"HelpNo", kInteger}, {"HelpText", kMemo}}, {"HelpNo"}, {}};
}

std::vector<TCatalogueEntry> BuildCatalogue() {
  using R = TTableRole;
  return {
      {R::trNames, "NAME", false, "", "FirstName;LastName", NamesLayout()},
      {R::trCurrentNames, "CurrNAME", false, "", "",
       {{{"FirstName", kText}, {"LastName", kText}}, {}, {}}},
      {R::trInterpretation, "bkrlat", true, "bkrlat", "Code",
       {{{"Code", kText}, {"TextK", kMemo}, {"Title", kText}, {"MTitle", kText}},
        {"Code"},
        {}}},
      {R::trTips, "Tips", false, "Tips", "TipID",
       {{{"TipID", kInteger}, {"Tip", kText}}, {"TipID"}, {}}},
      {R::trOrbSets, "ORBIS", false, "ORBIS", "OrbisName",
       {{{"OrbisName", kText}, {"SystemOrbis", kBoolean}}, {"OrbisName"}, {}}},
      {R::trGroups, "GROUPS", false, "", "GroupName",
       {{{"GroupName", kText, 0, kName}}, {"GroupName"}, {}}},
      // The primary key finds a person's groups; "Group" a group's members.
      {R::trGroupMembers, "NAMEGRPS", false, "", "GroupName",
       {{{"GroupName", kText, 0, kName}, {"FirstName", kText, 0, kName},
         {"LastName", kText, 0, kName}},
        {"FirstName", "LastName", "GroupName"},
        {{"Group", {"GroupName", "FirstName", "LastName"}}}}},
      {R::trZoneIds, "ZONEID", false, "", "ZoneID",
       {{{"ZoneID", kText, 10}, {"ZoneName", kText, 0, kName}, {"GregDate", kInteger}},
        {"ZoneID"},
        {{"Zone", {"ZoneName"}}, {"JpSort", {"ZoneName"}}}}},
      {R::trZones, "ZONE", false, "", "ZoneID;StartDate",
       // "LMT" marks the period of local mean time before the zone kept a
       // standard time: a birth place then keeps the mean time of its own
       // longitude.
       {{{"ZoneID", kText, 10}, {"StartDate", kInteger}, {"TimeDelta", kInteger},
         {"LMT", kBoolean}},
        {"ZoneID", "StartDate"},
        {}}},
      {R::trSummerIds, "SUMMERID", false, "", "SummerID",
       {{{"SummerID", kText, 10}, {"SummerName", kText, 0, kName}},
        {"SummerID"},
        {{"Summer", {"SummerName"}}, {"JpSort", {"SummerName"}}}}},
      {R::trSummers, "SUMMER", false, "", "",
       {{{"SummerID", kText, 10}, {"FromDate", kInteger}, {"FromTime", kInteger},
         {"TimeDiff", kInteger}},
        {"SummerID", "FromDate", "FromTime"},
        {}}},
      {R::trOrbDefinitions, "ORBISDEF", false, "ORBDEF", "OrbisName;OrbisPlanetOrCusp",
       {{{"OrbisName", kText}, {"OrbisPlanetOrCusp", kInteger}, {"D_0", kInteger},
         {"D_30", kInteger}, {"D_45", kInteger}, {"D_60", kInteger},
         {"D_90", kInteger}, {"D_120", kInteger}, {"D_135", kInteger},
         {"D_150", kInteger}, {"D_180", kInteger}},
        {"OrbisName", "OrbisPlanetOrCusp"},
        {}}},
      {R::trPlaces, "PLACES", false, "", "StateID;PlaceName",
       {{{"StateID", kText, 4}, {"PlaceName", kText, 40, kName}, {"Latitude", kInteger},
         {"Longitude", kInteger}, {"ZoneRef", kText, 10}, {"SummerRef", kText, 10}},
        {"StateID", "PlaceName"},
        {{"JpSort", {"StateID", "PlaceName"}}}}},
      {R::trStates, "STATES", false, "", "StateID",
       {{{"StateID", kText, 4}, {"StateName", kText, 40, kName}, {"MaxLatitude", kInteger},
         {"MinLatitude", kInteger}, {"MaxLongitude", kInteger},
         {"MinLongitude", kInteger}},
        {"StateName"},
        {{"SID", {"StateID"}, true}, {"JpSort", {"StateName"}}}}},
      {R::trHelp, "HELPUK", false, "HELP", "HelpNo", HelpLayout()},
      {R::trSecondHelp, "KHLPUK", false, "KHLP", "", HelpLayout()},
  };
}

}  // namespace

const std::vector<TCatalogueEntry>& TableCatalogue() {
  static const std::vector<TCatalogueEntry> catalogue = BuildCatalogue();
  return catalogue;
}

const TCatalogueEntry& CatalogueEntry(TTableRole role) {
  for (const auto& entry : TableCatalogue())
    if (entry.Role == role) return entry;
  throw std::logic_error("table role missing from the catalogue");
}

std::string InitialTableName(const TCatalogueEntry& entry, const std::string& country) {
  return entry.InitialNameTakesCountry ? entry.InitialName + country
                                       : entry.InitialName;
}

}  // namespace vyn
