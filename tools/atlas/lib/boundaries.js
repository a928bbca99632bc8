'use strict';
// Checks each place's GeoNames zone against the time-zone boundaries of
// geo-tz (timezone-boundary-builder, from OpenStreetMap). GeoNames links some
// places to a neighbouring zone (Lévis, Quebec to America/Blanc-Sablon;
// Kuril'sk to Asia/Tokyo); the boundaries place them by their position.
//
// Rules, in order:
//   1. GeoNames' zone is kept when the boundaries give the same zone at the
//      place (links followed), or give none (the point lies at sea: only the
//      nautical Etc/ zones cover it).
//   2. It is kept when the place lies on a border: one of the four points
//      BORDER_DEGREES north, south, east and west of it lies in GeoNames' zone.
//      A town's point is its centre, and a town spreads about that far.
//   3. Otherwise the boundaries' zone is taken.

const { isKnown, canonical } = require('./zones');

const BORDER_DEGREES = 0.02; // about 2 km

function landZones(find, tz, lat, lon) {
  return find(lat, lon).filter((z) => !z.startsWith('Etc/') && isKnown(tz, z));
}

// The zone to use for a place whose GeoNames zone is `zone` at (lat, lon),
// with the rule that decided it ("same", "sea", "border", "boundary").
function checkZone(find, tz, zone, lat, lon) {
  const here = landZones(find, tz, lat, lon);
  if (here.length === 0) return { zone, rule: 'sea' };
  const mine = canonical(tz, zone);
  if (here.some((z) => canonical(tz, z) === mine)) return { zone, rule: 'same' };
  const d = BORDER_DEGREES;
  for (const [dLat, dLon] of [[d, 0], [-d, 0], [0, d], [0, -d]]) {
    const near = landZones(find, tz, lat + dLat, lon + dLon);
    if (near.some((z) => canonical(tz, z) === mine)) return { zone, rule: 'border' };
  }
  return { zone: here[0], rule: 'boundary' };
}

module.exports = { BORDER_DEGREES, checkZone };
