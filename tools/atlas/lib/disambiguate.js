'use strict';
// Unique place names within a state.
//
// A place keeps its plain name while no other place of its state has the
// same name (case ignored). Places that share a name all get a qualifier in
// brackets, taking the first of these that tells them apart:
//   1. the region (the first-level division) in a country state, the
//      district (second-level division) in a region state;
//   2. the district, in a country state;
//   3. the position to the minute, e.g. "(48°08'N 11°34'E)";
//   4. the position and a rank by population, e.g. "(48°08'N 11°34'E, 2)".
// A level is skipped for a place that has no name for that division. Names
// are cut to 40 characters at a character boundary: generic words of the
// division name go first ("Regierungsbezirk", "Department", ...), then the
// place name is cut, keeping at least 20 characters of it, then the
// qualifier; a name that a cut makes equal to another moves on to the next
// level as well.

const { MAX_NAME_LENGTH, charLength, cutText, sameNameKey } = require('./text');
const { positionText } = require('./coords');

const LAST_LEVEL = 4;
const MIN_BASE_KEPT = 20;

// Generic words of division names, dropped when a qualified name would
// otherwise be too long ("Regierungsbezirk Unterfranken" -> "Unterfranken").
const GENERIC_PREFIX = /^(Politischer Bezirk|Regierungsbezirk|Regional District of|Landkreis|Kreis|Provincia di|Provincia de|Province of|Departamento de|Distrito de|Municipio de|Municipality of|District of|County of|City of) /u;
const GENERIC_SUFFIX = / (Department|Departement|District|Prefecture|Province|Region|Regional Unit|County|Municipality|Oblast|Raion|Governorate|Division|Shi)$/u;

function shortDivisionName(name) {
  const short = name.replace(GENERIC_PREFIX, '').replace(GENERIC_SUFFIX, '');
  return short || name;
}

function withQualifier(base, qualifier) {
  const full = `${base} (${qualifier})`;
  if (charLength(full) <= MAX_NAME_LENGTH) return full;
  const short = shortDivisionName(qualifier);
  if (short !== qualifier) return withQualifier(base, short);
  const room = MAX_NAME_LENGTH - charLength(qualifier) - 3;
  const b = cutText(base, Math.max(room, Math.min(charLength(base), MIN_BASE_KEPT)));
  const q = cutText(qualifier, MAX_NAME_LENGTH - charLength(b) - 3);
  return `${b} (${q})`;
}

function qualifierAt(place, level) {
  switch (level) {
    case 0:
      return null;
    case 1:
      return place.q1 || '';
    case 2:
      return place.q2 && place.q2 !== place.q1 ? place.q2 : '';
    case 3:
      return positionText(place.lat, place.lon);
    default:
      return `${positionText(place.lat, place.lon)}, ${place.rank}`;
  }
}

function label(place, level) {
  const q = qualifierAt(place, level);
  return q === null ? cutText(place.base, MAX_NAME_LENGTH) : withQualifier(place.base, q);
}

function nextLevel(place, level) {
  for (let l = level + 1; l < LAST_LEVEL; l++) if (qualifierAt(place, l)) return l;
  return LAST_LEVEL;
}

function byPopulation(a, b) {
  return b.population - a.population || a.id - b.id;
}

// Sets `placeName` and `nameLevel` on every place of one state. Each place
// needs base, q1, q2 (may be empty), lat, lon (minutes), population and id.
function disambiguate(places) {
  for (const p of places) {
    p.nameLevel = 0;
    p.placeName = label(p, 0);
  }
  for (;;) {
    const groups = new Map();
    for (const p of places) {
      const k = sameNameKey(p.placeName);
      if (!groups.has(k)) groups.set(k, []);
      groups.get(k).push(p);
    }
    const clashes = [...groups.values()].filter((g) => g.length > 1);
    if (clashes.length === 0) return;
    for (const group of clashes) {
      const stuck = group.filter((p) => p.nameLevel === LAST_LEVEL);
      if (stuck.length > 1) {
        throw new Error(`cannot tell apart the places named "${group[0].placeName}" (ids ${group.map((p) => p.id).join(', ')})`);
      }
      const usedRanks = new Set(stuck.map((p) => p.rank));
      let rank = 0;
      for (const p of group.sort(byPopulation)) {
        if (p.nameLevel === LAST_LEVEL) continue;
        p.nameLevel = nextLevel(p, p.nameLevel);
        if (p.nameLevel === LAST_LEVEL) {
          do rank++; while (usedRanks.has(rank));
          p.rank = rank;
        }
        p.placeName = label(p, p.nameLevel);
      }
    }
  }
}

module.exports = { disambiguate, withQualifier, shortDivisionName, LAST_LEVEL };
