'use strict';
// Other names under which users look for a state: a region state under its
// region name alone ("Bavaria") and under its country ("Germany"), a country
// under its native name (when written in Latin letters) and its older or
// informal English names ("Turkey", "Czech Republic", "Holland"), regions of
// the United States, Canada, Australia and Brazil under their postal
// abbreviations ("MA", "QC", "NSW", "SP").

const { foldKey, isSearchName } = require('./aliases');
const { REGIONED_COUNTRIES, countryName } = require('./states');

const COUNTRY_ALIASES = {
  BA: ['Bosnia'], BO: ['Bolivia'], CD: ['DR Congo', 'Congo-Kinshasa', 'Zaire'], CG: ['Congo-Brazzaville', 'Congo'],
  CI: ["Côte d'Ivoire"], CV: ['Cape Verde'], CZ: ['Czech Republic', 'Czechoslovakia'], DE: ['West Germany', 'East Germany'],
  GB: ['UK', 'U.K.', 'Great Britain', 'Britain'], IE: ['Eire'], IR: ['Persia'], KP: ['Korea'], KR: ['Korea', 'Republic of Korea'],
  LK: ['Ceylon'], MK: ['Macedonia'], MM: ['Burma'], NL: ['Holland', 'The Netherlands'], PS: ['Palestinian Territories'],
  RU: ['Russian Federation'], SK: ['Czechoslovakia'], SZ: ['Swaziland'], TH: ['Siam'], TL: ['Timor-Leste'], TR: ['Turkey'],
  TW: ['Republic of China'], US: ['USA', 'U.S.A.', 'US', 'U.S.', 'United States of America', 'America'],
  VA: ['Vatican', 'Holy See'], VN: ['Viet Nam'],
};

// Postal abbreviations of regions whose GeoNames codes are numbers.
const REGION_ABBREVIATIONS = {
  AU: { 'Australian Capital Territory': 'ACT', 'New South Wales': 'NSW', 'Northern Territory': 'NT', Queensland: 'QLD',
    'South Australia': 'SA', Tasmania: 'TAS', Victoria: 'VIC', 'Western Australia': 'WA' },
  CA: { Alberta: 'AB', 'British Columbia': 'BC', Manitoba: 'MB', 'New Brunswick': 'NB', 'Newfoundland and Labrador': 'NL',
    'Northwest Territories': 'NT', 'Nova Scotia': 'NS', Nunavut: 'NU', Ontario: 'ON', 'Prince Edward Island': 'PE',
    Quebec: 'QC', Saskatchewan: 'SK', Yukon: 'YT' },
  BR: { 'Federal District': 'DF', 'Minas Gerais': 'MG', 'Rio de Janeiro': 'RJ', 'Rio Grande do Sul': 'RS', 'São Paulo': 'SP',
    Bahia: 'BA', Paraná: 'PR', Pernambuco: 'PE' },
};
// Regions whose GeoNames code is the postal abbreviation.
const CODE_IS_ABBREVIATION = new Set(['US']);

// Rows [stateId, alias] for the numbered states (each with id, name,
// countryCode and key "CC" or "CC.A1"); `listedNames` is countries-list's
// table. An alias folding like the state's own name is left out.
function stateAliases(states, listedNames) {
  const rows = [];
  for (const s of states) {
    const seen = new Set([foldKey(s.name)]);
    const add = (alias) => {
      const key = foldKey(alias);
      if (!key || seen.has(key)) return;
      seen.add(key);
      rows.push([s.id, alias]);
    };
    const code = s.countryCode;
    const country = countryName(code, listedNames);
    if (REGIONED_COUNTRIES.has(code)) {
      const region = s.name.startsWith(`${country} - `) ? s.name.slice(country.length + 3) : '';
      if (region) add(region);
      const regionCode = s.key.split('.')[1];
      if (CODE_IS_ABBREVIATION.has(code) && regionCode) add(regionCode);
      const abbreviation = (REGION_ABBREVIATIONS[code] || {})[region];
      if (abbreviation) add(abbreviation);
    }
    add(country);
    const native = listedNames[code] && listedNames[code].native;
    if (native && isSearchName(native)) add(native);
    for (const alias of COUNTRY_ALIASES[code] || []) add(alias);
  }
  return rows;
}

module.exports = { stateAliases };
