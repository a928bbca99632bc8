'use strict';
// The names of the IANA time-zone database as the machine's compiled source
// lists them: "Z name ..." lines are zones, "L target name" lines are links.

const fs = require('fs');

const DEFAULT_TZDATA = '/usr/share/zoneinfo/tzdata.zi';

function parseTzdata(text) {
  const zones = new Set();
  const links = new Map();
  let version = '';
  for (const line of text.split('\n')) {
    const f = line.trim().split(/\s+/);
    if (f[0] === 'Z' && f[1]) zones.add(f[1]);
    else if (f[0] === 'L' && f[2]) links.set(f[2], f[1]);
    else if (f[0] === '#' && f[1] === 'version' && f[2]) version = f[2];
  }
  return { zones, links, version };
}

function readTzdata(path = DEFAULT_TZDATA) {
  let text;
  try {
    text = fs.readFileSync(path, 'utf8');
  } catch (e) {
    throw new Error(`cannot read the time-zone names from ${path}: ${e.message}`);
  }
  const tz = parseTzdata(text);
  if (tz.zones.size === 0) throw new Error(`${path} names no time zone`);
  return tz;
}

function isKnown(tz, name) {
  return tz.zones.has(name) || tz.links.has(name);
}

// The zone a name stands for, following links.
function canonical(tz, name) {
  let n = name;
  for (let i = 0; i < 8 && tz.links.has(n); i++) n = tz.links.get(n);
  return n;
}

module.exports = { DEFAULT_TZDATA, parseTzdata, readTzdata, isKnown, canonical };
