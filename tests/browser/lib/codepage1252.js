// What text looks like after a trip through code page 1252, as Kesto holds
// it: characters the code page lacks become "?".
'use strict';

// Bytes 0x80 to 0x9F; the five the code page leaves unassigned map to the
// C1 control of the same number, as on Windows.
const highRow = [
  0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
];

const repertoire = new Set();
for (let c = 0; c < 0x80; ++c) repertoire.add(c);
for (const c of highRow) repertoire.add(c);
for (let c = 0xA0; c <= 0xFF; ++c) repertoire.add(c);

// Every printable character of the code page above 0x7F: the assigned
// characters of 0x80 to 0x9F, then 0xA0 to 0xFF.
const printableHigh = [...highRow.filter((c) => c > 0x9F), ...Array.from({ length: 0x60 }, (_, i) => 0xA0 + i)]
  .map((c) => String.fromCodePoint(c)).join('');

// Per UTF-16 unit, as Windows converts: a character outside the basic
// plane (an emoji) becomes two question marks.
function roundTrip1252(text) {
  let out = '';
  for (let i = 0; i < text.length; ++i) out += repertoire.has(text.charCodeAt(i)) ? text[i] : '?';
  return out;
}

module.exports = { roundTrip1252, printableHigh };
