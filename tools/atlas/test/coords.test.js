'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const {
  latitudeMinutes, longitudeMinutes, toDegMin, fromDegMin, boundsOf, longitudeInBounds, positionText,
} = require('../lib/coords');

test('degrees become degrees * 100 + minutes, rounded, north and west positive', () => {
  const cases = [
    // [latitude, longitude east, Latitude, Longitude]
    [-55.5, 12.5, -5530, -1230],
    [48.13743, 11.57549, 4808, -1135],
    [10.99999, -10.99999, 1100, 1100], // rounds up into the next degree
    [-0.004, 0.004, 0, 0], // no negative zero
    [0.0084, -0.0084, 1, 1], // half a minute rounds up
    [90, 180, 9000, 18000], // 180° east is written as 180° west
    [-90, -180, -9000, 18000],
    [-33.86785, 151.20732, -3352, -15112],
  ];
  for (const [lat, lon, dmLat, dmLon] of cases) {
    assert.equal(toDegMin(latitudeMinutes(lat)), dmLat, `latitude ${lat}`);
    assert.equal(toDegMin(longitudeMinutes(lon)), dmLon, `longitude ${lon}`);
    assert.ok(!Object.is(toDegMin(longitudeMinutes(lon)), -0));
  }
  for (const v of [-5530, 4808, 0, 18000, -17959, 1]) assert.equal(toDegMin(fromDegMin(v)), v);
});

const pts = (...lonsEast) => lonsEast.map((e) => ({ lat: 0, lon: longitudeMinutes(e) }));
const dm = (b) => [toDegMin(b.minLon), toDegMin(b.maxLon)];

test('longitude bounds take the shorter arc, across 180° only when shorter', () => {
  // [east longitudes, MinLongitude (eastern end), MaxLongitude (western end)]
  const cases = [
    [[5.5, 15, 10], -1500, -530], // plain, all east
    [[-10, 20], -2000, 1000], // across Greenwich
    [[177, 179.5, -178], 17800, -17700], // Fiji-like: across 180°, min > max
    [[173, -157], 15700, -17300], // Kiribati-like
    [[-179, 179], 17900, -17900], // two points either side of 180°
    [[-90, 90], -9000, 9000], // a tie keeps the arc through Greenwich
    [[42], -4200, -4200], // one point
  ];
  for (const [lons, min, max] of cases) {
    assert.deepEqual(dm(boundsOf(pts(...lons))), [min, max], `longitudes ${lons}`);
  }
  assert.throws(() => boundsOf([]), /empty/);
});

test('a longitude lies within bounds that may cross 180°', () => {
  const fiji = boundsOf(pts(177, 179.5, -178));
  for (const [east, inside] of [[178, true], [180, true], [-179, true], [-177, false], [176, false], [0, false]]) {
    assert.equal(longitudeInBounds(longitudeMinutes(east), fiji.minLon, fiji.maxLon), inside, `${east}`);
  }
  const plain = boundsOf(pts(5, 15));
  assert.equal(longitudeInBounds(longitudeMinutes(10), plain.minLon, plain.maxLon), true);
  assert.equal(longitudeInBounds(longitudeMinutes(-175), plain.minLon, plain.maxLon), false);
});

test('latitude bounds are the extremes', () => {
  const b = boundsOf([{ lat: -100, lon: 0 }, { lat: 300, lon: 0 }, { lat: 5, lon: 0 }]);
  assert.equal(b.maxLat, 300);
  assert.equal(b.minLat, -100);
});

test('position text names the hemispheres', () => {
  assert.equal(positionText(latitudeMinutes(48.1374), longitudeMinutes(11.5755)), "48°08'N 11°35'E");
  assert.equal(positionText(latitudeMinutes(-3.5), longitudeMinutes(-77.05)), "3°30'S 77°03'W");
});
