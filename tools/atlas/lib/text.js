'use strict';
// Text helpers for atlas names: cleaning, length in characters, cutting at
// a character boundary, and the orders and equality used for names.

const MAX_NAME_LENGTH = 40;

const graphemes = new Intl.Segmenter('en', { granularity: 'grapheme' });

// NFC, single blanks, no control characters (a tab or line break would break
// the TSV layout).
function cleanName(text) {
  return text
    .normalize('NFC')
    .replace(/[\u0000-\u001f\u007f]/g, ' ')
    .replace(/\s+/g, ' ')
    .trim();
}

// Length in Unicode characters (code points), the unit of the 40-character
// limit; a UTF-16 surrogate pair counts as one.
function charLength(text) {
  let n = 0;
  for (const _ of text) n++;
  return n;
}

// The longest start of `text` of at most `max` characters that ends at a
// grapheme boundary (a letter is never parted from its combining marks), with
// trailing blanks and separators removed.
function cutText(text, max) {
  if (charLength(text) <= max) return text;
  let out = '';
  let used = 0;
  for (const { segment } of graphemes.segment(text)) {
    const n = charLength(segment);
    if (used + n > max) break;
    out += segment;
    used += n;
  }
  return out.replace(/[\s,;:\-–—/(]+$/u, '');
}

// Key under which two names count as the same name: case is ignored, since a
// user cannot tell "Saint-Denis" from "saint-denis" in a list.
function sameNameKey(name) {
  return name.toLowerCase();
}

// Alphabetical order for state names as a user reads a list: accents and
// case ignored first, code points as the tie-break, so the order is total and
// does not depend on the ICU version.
function alphabeticalKey(name) {
  return name.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase();
}

function compareCodePoints(a, b) {
  return Buffer.compare(Buffer.from(a, 'utf8'), Buffer.from(b, 'utf8'));
}

function compareAlphabetical(a, b) {
  const ka = alphabeticalKey(a);
  const kb = alphabeticalKey(b);
  return compareCodePoints(ka, kb) || compareCodePoints(a, b);
}

module.exports = {
  MAX_NAME_LENGTH,
  cleanName,
  charLength,
  cutText,
  sameNameKey,
  alphabeticalKey,
  compareCodePoints,
  compareAlphabetical,
};
