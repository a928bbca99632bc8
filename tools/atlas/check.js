#!/usr/bin/env node
'use strict';
// Checks the atlas tables in content/atlas (states.tsv, places.tsv,
// place_aliases.tsv, state_aliases.tsv, gregorian.tsv) and prints their
// figures. Needs no installed package.
// Usage: node check.js [--dir DIR] [--tzdata FILE]
// Exits 1 when a check fails.

const fs = require('fs');
const path = require('path');

const MAX_NAME = 40;
const MIN_GREGORIAN = 15821015;
const ALL_GREGORIAN_AFTER = 19300101;

const args = { dir: path.resolve(__dirname, '../../content/atlas'), tzdata: path.resolve(__dirname, '../../content/tz/tzdata.zi') };
for (let i = 2; i < process.argv.length; i++) {
  const a = process.argv[i];
  if (a === '--dir' && process.argv[i + 1]) args.dir = path.resolve(process.argv[++i]);
  else if (a === '--tzdata' && process.argv[i + 1]) args.tzdata = process.argv[++i];
  else {
    console.error(`check.js: unknown argument "${a}"; usage: node check.js [--dir DIR] [--tzdata FILE]`);
    process.exit(2);
  }
}

const results = [];
function check(title, problems) {
  results.push({ title, problems });
  const shown = problems.slice(0, 10).map((p) => `\n    ${p}`).join('');
  const more = problems.length > 10 ? `\n    ... and ${problems.length - 10} more` : '';
  console.log(`${problems.length === 0 ? 'ok  ' : 'FAIL'} ${title}${problems.length ? ` (${problems.length})` : ''}${shown}${more}`);
}

function readTable(name, header) {
  const file = path.join(args.dir, name);
  const bytes = fs.readFileSync(file);
  const text = new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  if (!text.endsWith('\n')) throw new Error(`${file} does not end with a line break`);
  const lines = text.slice(0, -1).split('\n');
  if (lines[0] !== header.join('\t')) throw new Error(`${file}: header "${lines[0]}", expected "${header.join('\t')}"`);
  const rows = lines.slice(1).map((l, i) => {
    const f = l.split('\t');
    if (f.length !== header.length) throw new Error(`${file} line ${i + 2}: ${f.length} fields, expected ${header.length}`);
    return { line: i + 2, f };
  });
  return { file, rows, bytes: bytes.length };
}

const chars = (s) => [...s].length;
const isInt = (s) => /^-?\d+$/.test(s);
const minutesOf = (v) => {
  const a = Math.abs(v);
  const m = Math.floor(a / 100) * 60 + (a % 100);
  return v < 0 ? -m : m;
};
function degMinProblem(s, maxDegrees) {
  if (!isInt(s)) return `"${s}" is not an integer`;
  const a = Math.abs(Number(s));
  if (a % 100 >= 60) return `${s} has ${a % 100} minutes`;
  if (minutesOf(a) > maxDegrees * 60) return `${s} is beyond ${maxDegrees} degrees`;
  return null;
}
const fold = (s) => s.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase();
const binary = (a, b) => Buffer.compare(Buffer.from(a), Buffer.from(b));
const alphabetical = (a, b) => binary(fold(a), fold(b)) || binary(a, b);
const inLongitude = (lon, min, max) => (min <= max ? lon >= min && lon <= max : lon >= min || lon <= max);
const nameProblem = (s) => {
  if (s === '') return 'empty name';
  if (s !== s.trim() || /\s{2}/.test(s)) return `stray blanks in "${s}"`;
  if (chars(s) > MAX_NAME) return `"${s}" has ${chars(s)} characters`;
  if (s !== s.normalize('NFC')) return `"${s}" is not in NFC`;
  return null;
};

function main() {
  const states = readTable('states.tsv', ['StateID', 'StateName', 'MaxLatitude', 'MinLatitude', 'MaxLongitude', 'MinLongitude', 'CountryCode']);
  const places = readTable('places.tsv', ['StateID', 'PlaceName', 'Latitude', 'Longitude', 'ZoneName', 'Population']);
  const placeAliases = readTable('place_aliases.tsv', ['StateID', 'PlaceName', 'Names']);
  const stateAliases = readTable('state_aliases.tsv', ['StateID', 'Alias']);
  const gregorian = readTable('gregorian.tsv', ['CountryCode', 'Country', 'GregorianStart', 'PriorCalendar', 'Notes']);

  const tzText = fs.readFileSync(args.tzdata, 'utf8');
  const tzNames = new Set();
  let tzVersion = '';
  for (const line of tzText.split('\n')) {
    const f = line.trim().split(/\s+/);
    if (f[0] === 'Z' && f[1]) tzNames.add(f[1]);
    else if (f[0] === 'L' && f[2]) tzNames.add(f[2]);
    else if (f[0] === '#' && f[1] === 'version') tzVersion = f[2];
  }

  // States.
  const stateById = new Map();
  const problems = { id: [], name: [], bounds: [], code: [], order: [] };
  const namesSeen = new Map();
  states.rows.forEach(({ line, f }, i) => {
    const [id, name, maxLat, minLat, maxLon, minLon, code] = f;
    if (!/^\d{4}$/.test(id) || id === '0000' || id === '9999') problems.id.push(`line ${line}: identifier "${id}"`);
    else if (Number(id) !== 1001 + i) problems.id.push(`line ${line}: identifier ${id}, expected ${1001 + i}`);
    const np = nameProblem(name);
    if (np) problems.name.push(`line ${line}: ${np}`);
    const key = name.toLowerCase();
    if (namesSeen.has(key)) problems.name.push(`line ${line}: "${name}" also on line ${namesSeen.get(key)}`);
    namesSeen.set(key, line);
    for (const [v, deg] of [[maxLat, 90], [minLat, 90], [maxLon, 180], [minLon, 180]]) {
      const p = degMinProblem(v, deg);
      if (p) problems.bounds.push(`line ${line}: ${p}`);
    }
    if (minutesOf(Number(maxLat)) < minutesOf(Number(minLat))) problems.bounds.push(`line ${line}: MaxLatitude below MinLatitude`);
    if (!/^[A-Z]{2}$/.test(code)) problems.code.push(`line ${line}: country code "${code}"`);
    if (i > 0 && alphabetical(states.rows[i - 1].f[1], name) >= 0) problems.order.push(`line ${line}: "${name}" out of alphabetical order`);
    stateById.set(id, {
      name, code, places: 0,
      maxLat: minutesOf(Number(maxLat)), minLat: minutesOf(Number(minLat)),
      maxLon: minutesOf(Number(maxLon)), minLon: minutesOf(Number(minLon)),
      seen: { maxLat: false, minLat: false, maxLon: false, minLon: false },
    });
  });
  check('state identifiers: four digits from 1001 in order, 0000 and 9999 unused', problems.id);
  check(`state names: unique (case ignored), at most ${MAX_NAME} characters`, problems.name);
  check('state names in alphabetical order of the identifiers', problems.order);
  check('state bounds are valid degrees and minutes', problems.bounds);
  check('state country codes are two capital letters', problems.code);

  // Places.
  const p = { state: [], name: [], unique: [], coord: [], bounds: [], zone: [], order: [], population: [] };
  const keys = new Map();
  const zones = new Set();
  let qualified = 0;
  let longest = 0;
  places.rows.forEach(({ line, f }, i) => {
    const [id, name, lat, lon, zone, population] = f;
    const s = stateById.get(id);
    if (!/^\d+$/.test(population)) p.population.push(`line ${line}: population "${population}"`);
    if (!s) p.state.push(`line ${line}: unknown state ${id}`);
    const np = nameProblem(name);
    if (np) p.name.push(`line ${line}: ${np}`);
    longest = Math.max(longest, chars(name));
    if (/\)$/.test(name)) qualified++;
    const key = `${id}\t${name.toLowerCase()}`;
    if (keys.has(key)) p.unique.push(`line ${line}: ${id} "${name}" also on line ${keys.get(key)}`);
    keys.set(key, line);
    const cp = degMinProblem(lat, 90) || degMinProblem(lon, 180);
    if (cp) p.coord.push(`line ${line}: ${cp}`);
    if (!tzNames.has(zone)) p.zone.push(`line ${line}: "${zone}" is neither a Zone nor a Link in ${args.tzdata}`);
    zones.add(zone);
    if (i > 0) {
      const [pid, pname] = places.rows[i - 1].f;
      if (pid > id || (pid === id && binary(pname, name) >= 0)) p.order.push(`line ${line}: not after the line before it`);
    }
    if (s && !cp) {
      s.places++;
      const la = minutesOf(Number(lat));
      const lo = minutesOf(Number(lon));
      if (la > s.maxLat || la < s.minLat || !inLongitude(lo, s.minLon, s.maxLon)) {
        p.bounds.push(`line ${line}: ${name} (${lat}, ${lon}) outside ${s.name}`);
      }
      if (la === s.maxLat) s.seen.maxLat = true;
      if (la === s.minLat) s.seen.minLat = true;
      if (lo === s.maxLon) s.seen.maxLon = true;
      if (lo === s.minLon) s.seen.minLon = true;
    }
  });
  check('places name a known state', p.state);
  check(`place names: at most ${MAX_NAME} characters, trimmed, NFC`, p.name);
  check('(StateID, PlaceName) unique, case ignored', p.unique);
  check('place coordinates are valid degrees and minutes', p.coord);
  check('place zones are Zone or Link names of the time-zone database', p.zone);
  check('places sorted by (StateID, PlaceName)', p.order);
  check('every place lies within its state bounds', p.bounds);
  check('populations are whole numbers', p.population);

  // Search names.
  const a = { place: [], names: [], state: [] };
  let aliasCount = 0;
  for (const { line, f } of placeAliases.rows) {
    const [id, name, names] = f;
    if (!keys.has(`${id}\t${name.toLowerCase()}`)) a.place.push(`line ${line}: no place ${id} "${name}"`);
    const list = names.split('|');
    aliasCount += list.length;
    for (const n of list) if (n === '' || n !== n.trim() || n !== n.normalize('NFC')) a.names.push(`line ${line}: name "${n}"`);
  }
  for (const { line, f } of stateAliases.rows) {
    if (!stateById.has(f[0])) a.state.push(`line ${line}: unknown state ${f[0]}`);
    if (f[1] === '' || f[1] !== f[1].trim()) a.state.push(`line ${line}: alias "${f[1]}"`);
  }
  check('place_aliases.tsv names places of places.tsv', a.place);
  check('search names are trimmed, NFC and not empty', a.names);
  check('state_aliases.tsv names states of states.tsv', a.state);

  const empty = [];
  const loose = [];
  for (const [id, s] of stateById) {
    if (s.places === 0) empty.push(`${id} ${s.name}`);
    else {
      const unseen = Object.entries(s.seen).filter(([, v]) => !v).map(([k]) => k);
      if (unseen.length) loose.push(`${id} ${s.name}: no place on ${unseen.join(', ')}`);
    }
  }
  check('every state has at least one place', empty);
  check('every state bound is reached by one of its places', loose);

  // Gregorian dates.
  const g = { row: [], missing: [] };
  const gregCodes = new Set();
  for (const { line, f } of gregorian.rows) {
    const [code, , date, prior] = f;
    if (!/^[A-Z]{2}$/.test(code)) g.row.push(`line ${line}: country code "${code}"`);
    if (gregCodes.has(code)) g.row.push(`line ${line}: ${code} listed twice`);
    gregCodes.add(code);
    const valid = /^\d{8}$/.test(date) && (() => {
      const d = new Date(Date.UTC(+date.slice(0, 4), +date.slice(4, 6) - 1, +date.slice(6)));
      return d.getUTCFullYear() === +date.slice(0, 4) && d.getUTCMonth() + 1 === +date.slice(4, 6) && d.getUTCDate() === +date.slice(6);
    })();
    if (!valid) g.row.push(`line ${line}: "${date}" is not a date YYYYMMDD`);
    else if (+date < MIN_GREGORIAN || +date > ALL_GREGORIAN_AFTER) g.row.push(`line ${line}: ${date} outside ${MIN_GREGORIAN} to ${ALL_GREGORIAN_AFTER}`);
    if (!prior) g.row.push(`line ${line}: no prior calendar`);
  }
  const stateCodes = new Set([...stateById.values()].map((s) => s.code));
  for (const c of stateCodes) if (!gregCodes.has(c)) g.missing.push(c);
  check('gregorian.tsv rows: one per code, dates from 15821015 to 19300101', g.row);
  check('every country code of states.tsv is in gregorian.tsv', g.missing);

  const failed = results.filter((r) => r.problems.length > 0).length;
  const regions = [...stateById.values()].filter((s) => s.name.includes(' - ')).length;
  const across = [...stateById.values()].filter((s) => s.minLon > s.maxLon).map((s) => s.name);
  const extra = [...gregCodes].filter((c) => !stateCodes.has(c));
  console.log('');
  console.log(`time-zone database: ${args.tzdata} (version ${tzVersion || 'unknown'}, ${tzNames.size} names)`);
  console.log(`states: ${states.rows.length} (${stateCodes.size} countries, ${regions} regions), ${states.bytes} bytes`);
  console.log(`places: ${places.rows.length}, ${places.bytes} bytes; ${zones.size} zone names; ${qualified} names end in a bracket; longest name ${longest} characters`);
  console.log(`search names: ${aliasCount} of ${placeAliases.rows.length} places, ${placeAliases.bytes} bytes; ` +
    `state aliases: ${stateAliases.rows.length}, ${stateAliases.bytes} bytes`);
  console.log(`states across 180°: ${across.length}${across.length ? `: ${across.join('; ')}` : ''}`);
  console.log(`gregorian.tsv: ${gregorian.rows.length} countries${extra.length ? ` (${extra.length} not in states.tsv: ${extra.join(' ')})` : ''}, ` +
    `${gregorian.rows.filter((r) => /uncertain/.test(r.f[4])).length} marked uncertain, ${gregorian.bytes} bytes`);
  console.log(`check: ${results.length - failed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

try {
  main();
} catch (e) {
  console.error(`check.js: ${e.message}`);
  process.exit(1);
}
