'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');

const CHECK = path.join(__dirname, '..', 'check.js');

// A small valid atlas: Fiji crosses 180°, Germany does not.
const STATES = [
  'StateID\tStateName\tMaxLatitude\tMinLatitude\tMaxLongitude\tMinLongitude\tCountryCode',
  '1001\tFiji\t-1630\t-1808\t-17700\t17800\tFJ',
  '1002\tGermany\t5431\t4808\t-600\t-1325\tDE',
];
const PLACES = [
  'StateID\tPlaceName\tLatitude\tLongitude\tZoneName\tPopulation',
  '1001\tLakeba\t-1808\t17800\tPacific/Fiji\t1000',
  '1001\tLautoka\t-1630\t-17700\tPacific/Fiji\t1000',
  '1002\tAachen\t5046\t-600\tEurope/Berlin\t1000',
  '1002\tBerlin\t5231\t-1325\tEurope/Berlin\t1000',
  '1002\tFlensburg\t5431\t-926\tEurope/Berlin\t1000',
  '1002\tMunich\t4808\t-1135\tEurope/Berlin\t1000',
];
const GREGORIAN = [
  'CountryCode\tCountry\tGregorianStart\tPriorCalendar\tNotes',
  'DE\tGermany\t17000301\tjulian\tncal',
  'FJ\tFiji\t17520914\tnone\tBritish',
];
const PLACE_ALIASES = ['StateID\tPlaceName\tNames', '1002\tMunich\tMünchen|Muenchen'];
const STATE_ALIASES = ['StateID\tAlias', '1002\tDeutschland'];
const TZDATA = '# version test\nZ Pacific/Fiji 11:55:44 - LMT 1915 O 26\nZ Europe/Berlin 0:53:28 - LMT 1893 Ap\nL Europe/Berlin Arctic/Longyearbyen\n';

function runCheck(states, places, gregorian, placeAliases = PLACE_ALIASES, stateAliases = STATE_ALIASES) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atlas-check-'));
  try {
    fs.writeFileSync(path.join(dir, 'states.tsv'), states.join('\n') + '\n');
    fs.writeFileSync(path.join(dir, 'places.tsv'), places.join('\n') + '\n');
    fs.writeFileSync(path.join(dir, 'gregorian.tsv'), gregorian.join('\n') + '\n');
    fs.writeFileSync(path.join(dir, 'place_aliases.tsv'), placeAliases.join('\n') + '\n');
    fs.writeFileSync(path.join(dir, 'state_aliases.tsv'), stateAliases.join('\n') + '\n');
    fs.writeFileSync(path.join(dir, 'tzdata.zi'), TZDATA);
    const r = spawnSync(process.execPath, [CHECK, '--dir', dir, '--tzdata', path.join(dir, 'tzdata.zi')], { encoding: 'utf8' });
    return { status: r.status, out: r.stdout + r.stderr };
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

const replaced = (rows, i, row) => rows.map((r, j) => (j === i ? row : r));

test('a valid atlas passes', () => {
  const r = runCheck(STATES, PLACES, GREGORIAN);
  assert.equal(r.status, 0, r.out);
  assert.match(r.out, /check: 20 passed, 0 failed/);
  assert.match(r.out, /states across 180°: 1: Fiji/);
});

test('each kind of fault is reported', () => {
  const cases = [
    ['duplicate key', STATES, [...PLACES.slice(0, 4), '1002\tBERLIN\t5230\t-1320\tEurope/Berlin\t1000', ...PLACES.slice(4)], GREGORIAN, /FAIL \(StateID, PlaceName\) unique/],
    ['long name', STATES, replaced(PLACES, 3, '1002\tAachen Aachen Aachen Aachen Aachen Aachen\t5046\t-600\tEurope/Berlin\t1000'), GREGORIAN, /FAIL place names: at most 40/],
    ['unknown zone', STATES, replaced(PLACES, 4, '1002\tBerlin\t5231\t-1325\tEurope/Kiel\t1000'), GREGORIAN, /FAIL place zones/],
    ['outside plain bounds', STATES, replaced(PLACES, 3, '1002\tAachen\t5046\t-559\tEurope/Berlin\t1000'), GREGORIAN, /FAIL every place lies within/],
    ['outside bounds across 180°', STATES, replaced(PLACES, 1, '1001\tLakeba\t-1808\t17700\tPacific/Fiji\t1000'), GREGORIAN, /FAIL every place lies within/],
    ['state without places', [...STATES, '1003\tGhana\t1000\t500\t300\t-100\tGH'], PLACES, [...GREGORIAN, 'GH\tGhana\t17520914\tnone\tx'], /FAIL every state has at least one place/],
    ['no Gregorian date', STATES, PLACES, GREGORIAN.slice(0, 2), /FAIL every country code of states.tsv is in gregorian.tsv/],
    ['bad Gregorian date', STATES, PLACES, replaced(GREGORIAN, 1, 'DE\tGermany\t17000230\tjulian\tx'), /FAIL gregorian.tsv rows/],
    ['unsorted places', STATES, [PLACES[0], PLACES[2], PLACES[1], ...PLACES.slice(3)], GREGORIAN, /FAIL places sorted/],
    ['reserved identifier', replaced(STATES, 1, '0000\tFiji\t-1630\t-1808\t-17700\t17800\tFJ'), PLACES, GREGORIAN, /FAIL state identifiers/],
    ['population not a number', STATES, replaced(PLACES, 4, '1002\tBerlin\t5231\t-1325\tEurope/Berlin\t-5'), GREGORIAN, /FAIL populations/],
    ['search names of an unknown place', STATES, PLACES, GREGORIAN, /FAIL place_aliases.tsv names places/, ['StateID\tPlaceName\tNames', '1002\tMünchen\tMunich']],
    ['empty search name', STATES, PLACES, GREGORIAN, /FAIL search names are trimmed/, ['StateID\tPlaceName\tNames', '1002\tMunich\tMünchen||Monaco']],
    ['alias of an unknown state', STATES, PLACES, GREGORIAN, /FAIL state_aliases.tsv names states/, PLACE_ALIASES, ['StateID\tAlias', '1009\tDeutschland']],
    ['minutes of 60', STATES, replaced(PLACES, 4, '1002\tBerlin\t5260\t-1325\tEurope/Berlin\t1000'), GREGORIAN, /FAIL place coordinates/],
  ];
  for (const [what, states, places, gregorian, want, placeAliases, stateAliases] of cases) {
    const r = runCheck(states, places, gregorian, placeAliases, stateAliases);
    assert.equal(r.status, 1, `${what}: ${r.out}`);
    assert.match(r.out, want, what);
  }
});
