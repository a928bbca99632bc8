'use strict';
// The other names of a place that help a user find it: its ASCII
// transliteration and those of its GeoNames alternate names that are
// written in Latin letters (English, local and historical names: Cologne,
// Bombay, Leningrad, Danzig), one per spelling that folds differently.

// Letters that do not decompose into a base letter and a mark.
const LETTERS = { ß: 'ss', æ: 'ae', œ: 'oe', ø: 'o', ł: 'l', đ: 'd', ð: 'd', þ: 'th', ı: 'i', ŀ: 'l', ħ: 'h' };

// The form in which two spellings count as one: lower case without accents,
// apostrophes and full stops dropped, other punctuation a blank.
function foldKey(name) {
  return name
    .toLowerCase()
    .normalize('NFD')
    .replace(/\p{M}/gu, '')
    .replace(/[ßæœøłđðþıŀħ]/gu, (c) => LETTERS[c])
    .replace(/['’ʼʻ`´.]/gu, '')
    .replace(/[^\p{L}\p{N}]+/gu, ' ')
    .trim();
}

// Latin letters (with their accents and extensions), blanks, hyphens,
// apostrophes, full stops and brackets; no digits.
const LATIN_NAME = /^[\p{Script=Latin}\p{M} '’ʼʻ.\-()]+$/u;
// Codes rather than names: "LED", "NYC".
const CODE = /^\p{Lu}{2,4}$/u;
// A name without any capital is a transliteration of a name in another
// script ("sheng hu li ya-de luo li ya"), not a name anyone writes.
const CAPITAL = /\p{Lu}/u;
const MAX_ALIAS_LENGTH = 60;
// "City of ..." in Tagalog and Cebuano, given for many cities: the city's
// own name is kept without it.
const CITY_OF = /^(Lungsod ng|Dakbayan sa|Lalawigan ng) /u;

function isSearchName(name) {
  return name.length <= MAX_ALIAS_LENGTH && LATIN_NAME.test(name) && CAPITAL.test(name) &&
    !CODE.test(name) && !CITY_OF.test(name);
}

// The names to keep for `place` besides its own `placeName` in the atlas:
// `place.name` when the atlas name differs from it (a qualifier or a cut),
// then the ASCII name and the alternate names, the first spelling of each
// folded form, none folding like a name already kept.
function searchNames(place, placeName) {
  const seen = new Set([foldKey(placeName)]);
  const names = [];
  const add = (raw) => {
    const name = raw.normalize('NFC').replace(/\s+/g, ' ').trim();
    const key = foldKey(name);
    if (!key || seen.has(key) || !isSearchName(name)) return;
    seen.add(key);
    names.push(name);
  };
  add(place.name);
  add(place.asciiName || '');
  for (const n of place.alternateNames || []) add(n);
  return names;
}

module.exports = { foldKey, isSearchName, searchNames };
