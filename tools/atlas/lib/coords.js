'use strict';
// Coordinates in the atlas form: integers degrees * 100 + minutes, rounded
// to the nearest minute; latitudes north positive, longitudes WEST positive
// (east negative), as the program's tables store them.
//
// Internally everything is in whole signed arc minutes; a longitude lies in
// (-10800, 10800], so 180 degrees is written as 180°00' west.

const HALF_TURN = 180 * 60;
const FULL_TURN = 360 * 60;

function toMinutes(degrees) {
  const sign = degrees < 0 ? -1 : 1;
  return sign * Math.round(Math.abs(degrees) * 60);
}

function latitudeMinutes(northDegrees) {
  return toMinutes(northDegrees);
}

function longitudeMinutes(eastDegrees) {
  let west = -toMinutes(eastDegrees);
  while (west <= -HALF_TURN) west += FULL_TURN;
  while (west > HALF_TURN) west -= FULL_TURN;
  return west === 0 ? 0 : west; // no negative zero
}

// Signed minutes to degrees * 100 + minutes.
function toDegMin(minutes) {
  const a = Math.abs(minutes);
  const v = Math.floor(a / 60) * 100 + (a % 60);
  return minutes < 0 ? -v : v;
}

function fromDegMin(value) {
  const a = Math.abs(value);
  const m = Math.floor(a / 100) * 60 + (a % 100);
  return value < 0 ? -m : m;
}

// Bounds of a set of points given in minutes. Latitudes are a plain minimum
// and maximum. Longitudes are the shortest arc of the circle that holds them
// all: the complement of the widest empty gap between neighbouring
// longitudes. `minLon` is the eastern end and `maxLon` the western end (east
// is negative), so for an arc that does not cross 180° minLon <= maxLon; for
// one that crosses it (Fiji, Kiribati, Russia, the Aleutians) minLon > maxLon
// and the arc runs from minLon westward through 180° to maxLon.
function boundsOf(points) {
  if (points.length === 0) throw new Error('bounds of an empty set of points');
  let minLat = Infinity;
  let maxLat = -Infinity;
  for (const p of points) {
    if (p.lat < minLat) minLat = p.lat;
    if (p.lat > maxLat) maxLat = p.lat;
  }
  const lons = [...new Set(points.map((p) => p.lon))].sort((a, b) => a - b);
  // The gap across 180° comes first, so it wins a tie and an arc is only
  // taken across 180° when that is strictly shorter.
  let gap = lons[0] + FULL_TURN - lons[lons.length - 1];
  let minLon = lons[0];
  let maxLon = lons[lons.length - 1];
  for (let i = 0; i + 1 < lons.length; i++) {
    const g = lons[i + 1] - lons[i];
    if (g > gap) {
      gap = g;
      minLon = lons[i + 1];
      maxLon = lons[i];
    }
  }
  return { maxLat, minLat, maxLon, minLon };
}

function longitudeInBounds(lon, minLon, maxLon) {
  return minLon <= maxLon ? lon >= minLon && lon <= maxLon : lon >= minLon || lon <= maxLon;
}

// A short position text for telling places of one name apart, for example
// "48°08'N 11°34'E".
function positionText(lat, lon) {
  const part = (minutes, pos, neg) => {
    const a = Math.abs(minutes);
    const m = String(a % 60).padStart(2, '0');
    return `${Math.floor(a / 60)}°${m}'${minutes < 0 ? neg : pos}`;
  };
  return `${part(lat, 'N', 'S')} ${part(lon, 'W', 'E')}`;
}

// Great-circle distance in radians between two points in minutes.
function angularDistance(a, b) {
  const r = Math.PI / (180 * 60);
  const la1 = a.lat * r;
  const la2 = b.lat * r;
  const dla = la2 - la1;
  const dlo = (b.lon - a.lon) * r;
  const h = Math.sin(dla / 2) ** 2 + Math.cos(la1) * Math.cos(la2) * Math.sin(dlo / 2) ** 2;
  return 2 * Math.asin(Math.min(1, Math.sqrt(h)));
}

module.exports = {
  latitudeMinutes,
  longitudeMinutes,
  toDegMin,
  fromDegMin,
  boundsOf,
  longitudeInBounds,
  positionText,
  angularDistance,
};
