'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { checkZone, BORDER_DEGREES } = require('../lib/boundaries');
const { parseTzdata } = require('../lib/zones');

const tz = parseTzdata([
  'Z America/Toronto -5:17:32 - LMT 1895', 'Z America/Blanc-Sablon -3:48:28 - LMT 1884',
  'Z Europe/Berlin 0:53:28 - LMT 1893', 'L America/Toronto America/Montreal', 'Z Etc/GMT-1 1 - +01',
].join('\n'));

// A world of two zones split at longitude 0, with sea south of latitude 0.
const find = (lat, lon) => {
  if (lat < 0) return ['Etc/GMT-1'];
  return [lon < 0 ? 'America/Toronto' : 'America/Blanc-Sablon'];
};

test('the boundary zone replaces a wrong GeoNames zone, except at sea and on a border', () => {
  const cases = [
    ['agrees after following a link', 'America/Montreal', 10, -5, 'America/Montreal', 'same'],
    ['wrong zone inland', 'America/Blanc-Sablon', 10, -5, 'America/Toronto', 'boundary'],
    ['at sea', 'Europe/Berlin', -10, 5, 'Europe/Berlin', 'sea'],
    ['within the border distance', 'America/Toronto', 10, BORDER_DEGREES / 2, 'America/Toronto', 'border'],
    ['beyond the border distance', 'America/Toronto', 10, BORDER_DEGREES * 2, 'America/Blanc-Sablon', 'boundary'],
  ];
  for (const [what, zone, lat, lon, expected, rule] of cases) {
    assert.deepEqual(checkZone(find, tz, zone, lat, lon), { zone: expected, rule }, what);
  }
});
