'use strict';
// The states of the atlas: one per country, except that large countries are
// split into their first-level regions, named "<Country> - <Region>" so that
// a country's regions stand together in an alphabetical list.

const { MAX_NAME_LENGTH, cleanName, cutText, charLength, compareAlphabetical } = require('./text');
const { angularDistance } = require('./coords');

// Countries given as regions: more than 3,000 places, or more than 1,000
// places lying in more than one UTC offset (Spain with the Canaries, Brazil,
// Ukraine with Crimea, China with Xinjiang time, Canada). Kept as a fixed
// list so the output does not depend on the zone data of the Node build.
const REGIONED_COUNTRIES = new Set([
  'AU', 'BR', 'CA', 'CN', 'DE', 'ES', 'FR', 'GB', 'IN', 'IT', 'MX', 'PH', 'RO', 'RU', 'UA', 'US',
]);

// English country names where the list's short form drops accents or names
// only a part of the territory.
const COUNTRY_NAMES = {
  AX: 'Åland Islands',
  BL: 'Saint Barthélemy',
  BQ: 'Bonaire, Sint Eustatius and Saba',
  CW: 'Curaçao',
  GS: 'South Georgia and South Sandwich Islands',
  RE: 'Réunion',
  ST: 'São Tomé and Príncipe',
};

// Region names: codes the current region list no longer has (India merged
// these two territories in 2020), and names that are too long or are not the
// usual English form.
const REGION_NAMES = {
  'DE.01': 'Baden-Württemberg',
  'DE.16': 'Berlin',
  'IN.06': 'Dadra and Nagar Haveli',
  'IN.32': 'Daman and Diu',
  'IT.02': 'Basilicata',
  'IT.10': 'Marche',
  'PH.14': 'Bangsamoro (BARMM)',
  'RU.06': 'Arkhangelsk Oblast',
  'RU.42': 'Leningrad Oblast',
  'RU.56': 'Oryol Oblast',
  'RU.66': 'Saint Petersburg',
  'RU.93': 'Zabaykalsky Krai',
};

function countryName(code, listedNames) {
  const name = COUNTRY_NAMES[code] || (listedNames[code] && listedNames[code].name);
  if (!name) throw new Error(`no English name for the country code ${code}`);
  return cleanName(name);
}

// Words some region lists add to only part of their names (Romania's
// counties are "Alba County" but "Arges"), dropped from all of them.
const REGION_SUFFIXES = { RO: / County$/u };

function regionName(country, admin1, admin1Names) {
  const key = `${country}.${admin1}`;
  const name = REGION_NAMES[key] || admin1Names.get(key);
  if (!name) return '';
  const suffix = REGION_SUFFIXES[country];
  return cleanName(suffix ? name.replace(suffix, '') : name);
}

function stateName(country, region) {
  const full = region ? `${country} - ${region}` : country;
  return cutText(full, MAX_NAME_LENGTH);
}

// Gives every place its state key (country code, or country code and region
// code) and returns the states by key. A place of a regioned country whose
// region is unknown is put into the region of its nearest place with a known
// region; `log.regionByNearest` counts them.
function assignStates(places, { listedNames, admin1Names }, log = {}) {
  const states = new Map();
  const addState = (key, code, name) => {
    if (!states.has(key)) states.set(key, { key, countryCode: code, name, places: [] });
    return states.get(key);
  };
  const byCountry = new Map();
  for (const p of places) {
    if (!byCountry.has(p.country)) byCountry.set(p.country, []);
    byCountry.get(p.country).push(p);
  }
  log.regionByNearest = [];
  for (const [code, list] of [...byCountry].sort((a, b) => (a[0] < b[0] ? -1 : 1))) {
    const country = countryName(code, listedNames);
    if (!REGIONED_COUNTRIES.has(code)) {
      const state = addState(code, code, stateName(country, ''));
      for (const p of list) state.places.push(p);
      continue;
    }
    const known = list.filter((p) => regionName(code, p.admin1, admin1Names));
    if (known.length === 0) throw new Error(`no place of ${code} has a known region`);
    for (const p of list) {
      let admin1 = p.admin1;
      if (!regionName(code, admin1, admin1Names)) {
        const nearest = nearestPlace(p, known);
        admin1 = nearest.admin1;
        log.regionByNearest.push({ place: p, region: regionName(code, admin1, admin1Names) });
      }
      p.region = admin1;
      const key = `${code}.${admin1}`;
      addState(key, code, stateName(country, regionName(code, admin1, admin1Names))).places.push(p);
    }
  }
  return states;
}

function nearestPlace(p, candidates) {
  let best = null;
  let bestD = Infinity;
  for (const c of candidates) {
    const d = angularDistance(p, c);
    if (d < bestD || (d === bestD && c.id < best.id)) {
      best = c;
      bestD = d;
    }
  }
  return best;
}

// Orders the states alphabetically by name and numbers them from 1001.
// Names must be unique.
function numberStates(states) {
  const list = [...states.values()].sort((a, b) => compareAlphabetical(a.name, b.name));
  for (let i = 1; i < list.length; i++) {
    if (compareAlphabetical(list[i - 1].name, list[i].name) === 0 ||
        list[i - 1].name.toLowerCase() === list[i].name.toLowerCase()) {
      throw new Error(`two states are named "${list[i].name}"`);
    }
  }
  if (list.length > 8998) throw new Error(`${list.length} states do not fit the identifiers 1001 to 9998`);
  list.forEach((s, i) => {
    s.id = String(1001 + i);
  });
  for (const s of list) {
    if (charLength(s.name) > MAX_NAME_LENGTH) throw new Error(`state name too long: ${s.name}`);
  }
  return list;
}

module.exports = {
  REGIONED_COUNTRIES,
  countryName,
  regionName,
  stateName,
  assignStates,
  numberStates,
};
