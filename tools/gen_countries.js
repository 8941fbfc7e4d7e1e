#!/usr/bin/env node
// Writes the country rows of framework/geo_tables.cpp (between the
// "@generated-begin countries" and "@generated-end countries" markers) from
// the npm package i18n-iso-countries (MIT licence).
//
// Usage:
//   mkdir -p /tmp/isoc && cd /tmp/isoc && npm pack i18n-iso-countries@7.14.0
//   tar xzf i18n-iso-countries-7.14.0.tgz
//   node tools/gen_countries.js /tmp/isoc/package
//
// Row 0 is "not chosen", row 1 Canada, row 2 the United States, then every
// other officially assigned ISO 3166-1 code sorted by English short name.
'use strict';

const fs = require('fs');
const path = require('path');

const pkgDir = process.argv[2];
if (!pkgDir) {
    console.error('usage: node tools/gen_countries.js <unpacked i18n-iso-countries package dir>');
    process.exit(2);
}
const repoRoot = path.resolve(__dirname, '..');
const target = path.join(repoRoot, 'framework', 'geo_tables.cpp');

const pkg = JSON.parse(fs.readFileSync(path.join(pkgDir, 'package.json'), 'utf8'));
const codes = JSON.parse(fs.readFileSync(path.join(pkgDir, 'codes.json'), 'utf8'));
const en = JSON.parse(fs.readFileSync(path.join(pkgDir, 'langs', 'en.json'), 'utf8')).countries;

// Codes the package carries that are not officially assigned in ISO 3166-1.
const notOfficial = new Set(['XK']);

// Plain short names where the package lists several forms or uses a long
// form. Everything else takes the package's first (official) English name.
const shortName = {
    CD: 'Congo, Democratic Republic of the',
    CG: 'Congo',
    CI: "Côte d'Ivoire",
    CN: 'China',
    CZ: 'Czechia',
    GB: 'United Kingdom',
    GM: 'Gambia',
    IR: 'Iran',
    KP: "Korea, Democratic People's Republic of",
    KR: 'Korea, Republic of',
    MK: 'North Macedonia',
    NL: 'Netherlands',
    PN: 'Pitcairn',
    PS: 'Palestine',
    RE: 'Réunion',
    RU: 'Russia',
    TR: 'Türkiye',
    TW: 'Taiwan',
    TZ: 'Tanzania',
    US: 'United States',
};

function nameOf(iso2) {
    if (shortName[iso2]) return shortName[iso2];
    const n = en[iso2];
    if (n === undefined) throw new Error('no English name for ' + iso2);
    return Array.isArray(n) ? n[0] : n;
}

const rows = [];
for (const [iso2, iso3] of codes) {
    if (notOfficial.has(iso2)) continue;
    if (!/^[A-Z]{2}$/.test(iso2) || !/^[A-Z]{3}$/.test(iso3)) throw new Error('bad code ' + iso2 + ' ' + iso3);
    rows.push({ iso2, iso3, name: nameOf(iso2) });
}

const collator = new Intl.Collator('en', { sensitivity: 'base' });
const first = ['CA', 'US'].map(c => rows.find(r => r.iso2 === c));
const rest = rows.filter(r => r.iso2 !== 'CA' && r.iso2 !== 'US')
    .sort((a, b) => collator.compare(a.name, b.name) || a.iso2.localeCompare(b.iso2));
const ordered = [{ iso2: '', iso3: '', name: 'not chosen' }, ...first, ...rest];

const seen = new Set();
for (const r of ordered) {
    if (r.iso3 && seen.has(r.iso3)) throw new Error('duplicate ' + r.iso3);
    seen.add(r.iso3);
}

function cstr(s) {
    return '"' + s.replace(/\\/g, '\\\\').replace(/"/g, '\\"') + '"';
}

const lines = ordered.map((r, i) =>
    `    {${i}, ${cstr(r.name)}, ${cstr(r.iso2)}, ${cstr(r.iso3)}},`);

const begin = '// @generated-begin countries';
const end = '// @generated-end countries';
let text = fs.readFileSync(target, 'utf8');
const b = text.indexOf(begin);
const e = text.indexOf(end);
if (b < 0 || e < b) throw new Error('markers not found in ' + target);
const note = `${begin} (${pkg.name} ${pkg.version}, ${pkg.license} licence; ${ordered.length} rows)`;
text = text.slice(0, b) + note + '\n' + lines.join('\n') + '\n' + text.slice(e);
// Keep the package version in the file's opening comment in step.
text = text.replace(/npm package i18n-iso-countries [0-9][0-9.]*/, 'npm package i18n-iso-countries ' + pkg.version);
fs.writeFileSync(target, text);
console.log(`wrote ${ordered.length} country rows to ${path.relative(repoRoot, target)}`);
