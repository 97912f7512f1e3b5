// An image file set as a control's source travels inline as a data URI: the
// browser must decode it to the file's bytes and load it at its real size.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { actionLine, executeLines, windowsPath, root } = require('./lib/kesto');
const { execInPage } = require('./lib/tavix');
const { openLayout } = require('./lib/layout');

// ---- a small PNG of our own, so the expected size and bytes are known
function crc32(bytes) {
  let c = ~0;
  for (const b of bytes) {
    c ^= b;
    for (let k = 0; k < 8; ++k) c = (c >>> 1) ^ (0xEDB88320 & -(c & 1));
  }
  return ~c >>> 0;
}

function chunk(type, data) {
  const head = Buffer.alloc(4);
  head.writeUInt32BE(data.length);
  const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
  const tail = Buffer.alloc(4);
  tail.writeUInt32BE(crc32(body));
  return Buffer.concat([head, body, tail]);
}

function makePng(width, height) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8; // bit depth
  header[9] = 2; // truecolour
  const rows = [];
  for (let y = 0; y < height; ++y) {
    rows.push(0); // no filter
    for (let x = 0; x < width; ++x) rows.push((x * 11) & 255, (y * 13) & 255, ((x + y) * 7) & 255);
  }
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A]),
    chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(Buffer.from(rows))),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

function pngSize(bytes) {
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) };
}

// The PNG images that ship with the examples (the sample publication's).
function shippedPngs() {
  const found = [];
  const walk = (dir) => {
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
      const full = path.join(dir, entry.name);
      if (entry.isDirectory()) walk(full);
      else if (/\.png$/i.test(entry.name)) found.push(full);
    }
  };
  walk(path.join(root, 'examples'));
  return found;
}

const R = 'Rect1';
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zuvo-embed-'));
const ownPng = path.join(scratch, 'Logo Small.PNG');
fs.writeFileSync(ownPng, makePng(37, 23));
const images = [
  { name: 'a generated PNG (upper-case extension, a blank in the path)', file: ownPng, property: 'src' },
  { name: 'the same file through the Image property', file: ownPng, property: 'Image' },
  ...shippedPngs().map((file) => ({ name: 'the shipped ' + path.relative(root, file), file, property: 'src' })),
];

let layout;
let sent;

before(async () => {
  sent = executeLines(images.map((image) => actionLine('ZUVO_Set', R, 'image:img_logo', image.property, windowsPath(image.file))))
    .map((outcome) => outcome.sent);
  layout = await openLayout();
});

after(async () => {
  if (layout) await layout.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

describe('embedded images', () => {
  images.forEach((image, i) => {
    it(`${image.name} arrives as a data URI of the file's bytes and loads at its size`, async () => {
      const [outcome] = await execInPage(layout.page, sent[i]);
      const [call] = outcome.seen.calls;
      assert.deepEqual(call.args.slice(0, 2), ['img_logo', image.property]);
      const uri = call.args[2];
      const match = /^data:image\/png;base64,([A-Za-z0-9+/]*={0,2})$/.exec(uri);
      assert.ok(match, 'a base64 data URI of type image/png: ' + uri.slice(0, 60));
      const bytes = fs.readFileSync(image.file);
      assert.ok(Buffer.from(match[1], 'base64').equals(bytes), 'the data decodes to the file');
      assert.equal(match[1], bytes.toString('base64'), 'standard padded base64');

      // The browser decodes the same data: an img element loads it.
      const loaded = await layout.page.evaluate(async (src) => {
        const img = new Image();
        img.src = src;
        await img.decode();
        const logo = document.getElementById('img_logo');
        if (logo.getAttribute('src') !== src) return 'the layout did not set the image';
        await logo.decode();
        return { width: img.naturalWidth, height: img.naturalHeight, logo: [logo.naturalWidth, logo.naturalHeight] };
      }, uri);
      const size = pngSize(bytes);
      assert.deepEqual(loaded, { width: size.width, height: size.height, logo: [size.width, size.height] });
      assert.deepEqual(layout.errors, []);
    });
  });
});
