'use strict';
// The page's own inflater against node's zlib, on the kinds of block a
// gzip file holds (stored, fixed and dynamic codes, long matches), and on
// a file cut short, which it must refuse rather than half inflate.
const fs = require('fs'), zlib = require('zlib');
const gunzip = new Function(`${fs.readFileSync(process.argv[2], 'utf8')}; return gunzip;`)();
const inputs = [Buffer.alloc(0), Buffer.from('з'), Buffer.from('золинар '.repeat(40000)), fs.readFileSync(process.argv[2]),
                Buffer.from(Array.from({ length: 300000 }, (_, i) => (i * 7919) % 251))];
const { Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY } = zlib.constants;
for (const input of inputs)
  for (const level of [0, 1, 9])
    for (const strategy of [Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY])
      if (!Buffer.from(gunzip(zlib.gzipSync(input, { level, strategy }))).equals(input))
        throw new Error(`${input.length} bytes at level ${level}, strategy ${strategy}: inflated wrong`);
const gzipped = zlib.gzipSync(inputs[3]);
let refused = false;
try { gunzip(gzipped.subarray(0, gzipped.length >> 1)); } catch { refused = true; }
if (!refused) throw new Error('a gzip file cut in half was inflated');
console.log(`gunzip.js inflated ${inputs.length * 9} gzip files as zlib made them, and refused one cut short`);
