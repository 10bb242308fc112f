'use strict';
// The page loads this only in a browser without DecompressionStream (Safari
// before 16.4, Firefox before 113): it inflates the program's gzip file
// whole, once it has arrived. The browser's own inflater is faster, and
// works while the file arrives.

// The bytes a gzip member (RFC 1952) holds, deflated (RFC 1951).
function gunzip(data) {
  if (data[0] !== 0x1f || data[1] !== 0x8b || data[2] !== 8)
    throw new Error('gunzip: not a gzip file');
  const flags = data[3];
  let at = 10;
  if (flags & 4) at += 2 + (data[at] | data[at + 1] << 8);
  if (flags & 8) while (data[at++]);
  if (flags & 16) while (data[at++]);
  if (flags & 2) at += 2;
  const end = data.length - 4;
  const out = new Uint8Array((data[end] | data[end + 1] << 8 | data[end + 2] << 16 | data[end + 3] << 24) >>> 0);
  let written = 0, buffer = 0, count = 0;

  // Near the end a short code is looked up with the trailer's first bits,
  // which only its own length consumes.
  const fill = wanted => {
    for (; count < wanted; count += 8) {
      if (at >= data.length) throw new Error('gunzip: the file ends too early');
      buffer |= data[at++] << count;
    }
  };
  const bits = n => {
    fill(n);
    const value = buffer & ((1 << n) - 1);
    buffer >>>= n;
    count -= n;
    return value;
  };
  // A canonical Huffman code from its lengths, as a table indexed by the
  // next `longest` bits (least significant first) of each symbol and length.
  const code = lengths => {
    const longest = Math.max(0, ...lengths), perLength = new Array(16).fill(0), next = [0];
    lengths.forEach(length => perLength[length]++);
    perLength[0] = 0;
    for (let length = 1; length < 16; length++) next[length] = (next[length - 1] + perLength[length - 1]) << 1;
    const table = new Uint16Array(1 << longest);
    lengths.forEach((length, symbol) => {
      if (!length) return;
      let reversed = 0;
      for (let c = next[length]++, i = 0; i < length; i++, c >>= 1) reversed = reversed << 1 | (c & 1);
      for (let i = reversed; i < table.length; i += 1 << length) table[i] = symbol << 4 | length;
    });
    return { table, longest };
  };
  const decode = ({ table, longest }) => {
    fill(longest);
    const entry = table[buffer & ((1 << longest) - 1)];
    if (!(entry & 15)) throw new Error('gunzip: a code that no table has');
    buffer >>>= entry & 15;
    count -= entry & 15;
    return entry >> 4;
  };

  // Lengths 3 to 258 and distances 1 to 32768: a base, and extra bits.
  const lengthExtra = i => (i < 8 || i === 28 ? 0 : (i >> 2) - 1), distanceExtra = i => (i < 4 ? 0 : (i >> 1) - 1);
  const lengthBase = [3], distanceBase = [1];
  for (let i = 1; i < 30; i++) {
    lengthBase[i] = lengthBase[i - 1] + (1 << lengthExtra(i - 1));
    distanceBase[i] = distanceBase[i - 1] + (1 << distanceExtra(i - 1));
  }
  lengthBase[28] = 258;
  const fixed = [code([...Array(288)].map((_, i) => (i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8))), code(Array(30).fill(5))];
  const order = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];

  for (let last = 0; !last;) {
    last = bits(1);
    const type = bits(2);
    if (type === 0) {
      at -= count >> 3;
      buffer = count = 0;
      const length = data[at] | data[at + 1] << 8;
      out.set(data.subarray(at + 4, at + 4 + length), written);
      at += 4 + length;
      written += length;
      continue;
    }
    let literals, distances;
    if (type === 1) {
      [literals, distances] = fixed;
    } else if (type === 2) {
      const literalCount = bits(5) + 257, distanceCount = bits(5) + 1, lengthCount = bits(4) + 4;
      const lengthLengths = new Array(19).fill(0);
      for (let i = 0; i < lengthCount; i++) lengthLengths[order[i]] = bits(3);
      const lengthCode = code(lengthLengths), lengths = [];
      while (lengths.length < literalCount + distanceCount) {
        const symbol = decode(lengthCode);
        if (symbol < 16) lengths.push(symbol);
        else if (symbol === 16) lengths.push(...Array(3 + bits(2)).fill(lengths[lengths.length - 1]));
        else lengths.push(...Array(symbol === 17 ? 3 + bits(3) : 11 + bits(7)).fill(0));
      }
      literals = code(lengths.slice(0, literalCount));
      distances = code(lengths.slice(literalCount, literalCount + distanceCount));
    } else {
      throw new Error('gunzip: a block of an unknown type');
    }
    for (let symbol; (symbol = decode(literals)) !== 256;) {
      if (symbol < 256) {
        out[written++] = symbol;
        continue;
      }
      const length = lengthBase[symbol - 257] + bits(lengthExtra(symbol - 257));
      const d = decode(distances), distance = distanceBase[d] + bits(distanceExtra(d));
      if (distance > written) throw new Error('gunzip: a distance before the start');
      for (const stop = written + length; written < stop; written++) out[written] = out[written - distance];
    }
  }
  if (written !== out.length) throw new Error('gunzip: the file holds another size than it says');
  return out;
}
