'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { cleanName, charLength, cutText, compareAlphabetical } = require('../lib/text');
const { disambiguate, withQualifier, shortDivisionName } = require('../lib/disambiguate');
const { latitudeMinutes, longitudeMinutes } = require('../lib/coords');

test('cutting keeps whole characters and drops trailing separators', () => {
  const cases = [
    ['Nuestra Señora del Rosario', 10, 'Nuestra Se'],
    ['Saint-Jean-de-Luz', 11, 'Saint-Jean'], // trailing hyphen removed
    ['Ab, Cd', 3, 'Ab'], // trailing comma removed
    ['e\u0301e\u0301e\u0301', 3, 'e\u0301'], // a letter stays with its accent
    ['\u{1D4D0}\u{1D4D1}\u{1D4D2}', 2, '\u{1D4D0}\u{1D4D1}'], // astral characters count once
    ['short', 40, 'short'],
  ];
  for (const [text, max, want] of cases) {
    const got = cutText(text, max);
    assert.equal(got, want, `${text} to ${max}`);
    assert.ok(charLength(got) <= max);
    assert.ok(!/[\uD800-\uDBFF]$/.test(got), 'no lone high surrogate');
  }
  assert.equal(charLength('\u{1D4D0}é'), 2);
  assert.equal(cleanName('  Sankt\tPölten \n'), 'Sankt Pölten');
  assert.equal(cleanName('Mu\u0308nchen'), 'München'); // NFC
});

test('alphabetical order ignores accents and case first', () => {
  const names = ['Albania', 'Åland Islands', 'afghanistan', 'Algeria', 'Zambia', 'Ägypten'];
  assert.deepEqual([...names].sort(compareAlphabetical), ['afghanistan', 'Ägypten', 'Åland Islands', 'Albania', 'Algeria', 'Zambia']);
});

test('qualifiers shorten division names, then cut the place name, then the qualifier', () => {
  assert.equal(withQualifier('Altdorf', 'Bavaria'), 'Altdorf (Bavaria)');
  assert.equal(withQualifier('Eggendorf', 'Politischer Bezirk Wiener Neustadt'), 'Eggendorf (Wiener Neustadt)');
  assert.equal(shortDivisionName('Valle del Cauca Department'), 'Valle del Cauca');
  assert.equal(shortDivisionName('Department'), 'Department');
  // The place name keeps at least 20 characters; the qualifier gives way.
  assert.equal(withQualifier('Fraccionamiento Carlos Salinas de Gortari', 'Tulancingo de Bravo'),
    'Fraccionamiento Carl (Tulancingo de Bra)');
  assert.equal(withQualifier('A very long place name that goes on and on', 'An equally long region name without end'),
    'A very long place na (An equally long r)');
});

let nextId = 1;
const place = (base, q1, q2, lat, lon, population = 1000) => ({
  id: nextId++, base, q1, q2, lat: latitudeMinutes(lat), lon: longitudeMinutes(lon), population,
});
const names = (list) => list.map((p) => p.placeName);

test('places sharing a name are told apart by the first qualifier that differs', () => {
  const cases = [
    {
      what: 'a unique name stays plain',
      places: [place('Paris', 'Île-de-France', '', 48.85, 2.35), place('Lyon', 'Auvergne', '', 45.75, 4.85)],
      want: ['Paris', 'Lyon'],
    },
    {
      what: 'different regions',
      places: [place('Springfield', 'Illinois', 'Sangamon', 39.8, -89.64), place('springfield', 'Missouri', 'Greene', 37.2, -93.3)],
      want: ['Springfield (Illinois)', 'springfield (Missouri)'],
    },
    {
      what: 'same region: the district, the third keeps its region',
      places: [
        place('Altdorf', 'Bavaria', 'Mittelfranken', 49.38, 11.35),
        place('Altdorf', 'Bavaria', 'Niederbayern', 48.56, 12.11),
        place('Altdorf', 'Baden-Württemberg', 'Tübingen', 48.5, 9.0),
      ],
      want: ['Altdorf (Mittelfranken)', 'Altdorf (Niederbayern)', 'Altdorf (Baden-Württemberg)'],
    },
    {
      what: 'no district: the position',
      places: [place('Aygeshat', 'Armavir', '', 40.0833, 44.0667), place('Aygeshat', 'Armavir', '', 40.2333, 44.2833)],
      want: ["Aygeshat (40°05'N 44°04'E)", "Aygeshat (40°14'N 44°17'E)"],
    },
    {
      what: 'the same position: a rank by population',
      places: [place('Xindian', '', '', 24.6, 118.2, 2000), place('Xindian', '', '', 24.6, 118.2, 9000)],
      want: ["Xindian (24°36'N 118°12'E, 2)", "Xindian (24°36'N 118°12'E, 1)"],
    },
    {
      what: 'a cut that makes two long names equal qualifies both',
      places: [
        place('Fraccionamiento Paseos de la Providencia Norte', 'Jalisco', '', 20.6, -103.3),
        place('Fraccionamiento Paseos de la Providencia Sur', 'Colima', '', 19.2, -103.7),
      ],
      want: ['Fraccionamiento Paseos de la P (Jalisco)', 'Fraccionamiento Paseos de la Pr (Colima)'],
    },
    {
      what: 'a qualified name that meets a plain one moves on',
      places: [place('Bergen (Mittelfranken)', 'Bavaria', '', 49.1, 11.1), place('Bergen', 'Mittelfranken', 'X', 49.0, 11.0), place('Bergen', 'Upper Bavaria', '', 47.8, 12.6)],
      want: ['Bergen (Mittelfranken) (Bavaria)', 'Bergen (X)', 'Bergen (Upper Bavaria)'],
    },
  ];
  for (const c of cases) {
    disambiguate(c.places);
    assert.deepEqual(names(c.places), c.want, c.what);
    const keys = new Set(c.places.map((p) => p.placeName.toLowerCase()));
    assert.equal(keys.size, c.places.length, `${c.what}: unique`);
    for (const p of c.places) assert.ok(charLength(p.placeName) <= 40, p.placeName);
  }
});
