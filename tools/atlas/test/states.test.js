'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { assignStates, numberStates, stateName, regionName } = require('../lib/states');
const { latitudeMinutes, longitudeMinutes } = require('../lib/coords');

const listedNames = {
  US: { name: 'United States' },
  CH: { name: 'Switzerland' },
  AX: { name: 'Aland' },
  AL: { name: 'Albania' },
  RO: { name: 'Romania' },
};
const admin1Names = new Map([
  ['US.IL', 'Illinois'], ['US.MO', 'Missouri'], ['CH.ZH', 'Zurich'], ['RO.01', 'Alba County'], ['RO.03', 'Arges'],
]);
let id = 1;
const place = (country, admin1, lat, lon) => ({
  id: id++, name: `p${id}`, country, admin1, lat: latitudeMinutes(lat), lon: longitudeMinutes(lon),
});

test('countries stand alone, large ones are split into regions', () => {
  const unknownRegion = place('US', '00', 38.9, -90.1); // 0.4° from the Missouri place, 1° from the Illinois one
  const places = [
    place('US', 'IL', 39.8, -89.6), place('US', 'MO', 38.6, -90.3), unknownRegion,
    place('CH', 'ZH', 47.4, 8.5), place('CH', '', 46.9, 7.4), place('AX', '', 60.1, 19.9),
  ];
  const log = {};
  const states = assignStates(places, { listedNames, admin1Names }, log);
  const byName = new Map([...states.values()].map((s) => [s.name, s.places.length]));
  assert.deepEqual([...byName].sort(), [
    ['United States - Illinois', 1], ['United States - Missouri', 2], ['Switzerland', 2], ['Åland Islands', 1],
  ].sort());
  assert.equal(log.regionByNearest.length, 1);
  assert.equal(log.regionByNearest[0].region, 'Missouri');
  assert.equal(unknownRegion.region, 'MO');
});

test('region names drop the suffixes some of them carry, state names fit 40 characters', () => {
  assert.equal(regionName('RO', '01', admin1Names), 'Alba');
  assert.equal(regionName('RO', '03', admin1Names), 'Arges');
  assert.equal(regionName('US', 'XX', admin1Names), '');
  assert.equal(stateName('Russia', 'Karachayevo-Cherkesiya Republic'), 'Russia - Karachayevo-Cherkesiya Republic');
  assert.equal(stateName('Russia', 'Karachayevo-Cherkesiya Republics'), 'Russia - Karachayevo-Cherkesiya Republic');
});

test('states are numbered from 1001 in alphabetical order; equal names are refused', () => {
  const states = new Map([
    ['AL', { name: 'Albania' }], ['AX', { name: 'Åland Islands' }], ['AF', { name: 'Afghanistan' }], ['ZW', { name: 'Zimbabwe' }],
  ].map(([k, v]) => [k, { key: k, places: [], ...v }]));
  assert.deepEqual(numberStates(states).map((s) => `${s.id} ${s.name}`),
    ['1001 Afghanistan', '1002 Åland Islands', '1003 Albania', '1004 Zimbabwe']);
  const twice = new Map([['A', { key: 'A', name: 'Georgia', places: [] }], ['B', { key: 'B', name: 'georgia', places: [] }]]);
  assert.throws(() => numberStates(twice), /two states are named/);
});
