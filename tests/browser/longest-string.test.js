// The longest line the plug-in hands on for the web view is the script
// engine's own longest string: the constant kLongestWebViewString in the
// source, the limit of node's engine and of Chromium's, and where the real
// DLL stops embedding a file.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { constants } = require('node:buffer');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { actionLine, runKestoSim, windowsPath, root } = require('./lib/kesto');
const { openLayout } = require('./lib/layout');

// V8's longest string, in UTF-16 units (536,870,888 on 64-bit builds).
const engineLimit = constants.MAX_STRING_LENGTH;

// The constant as the source defines it. Read from the header rather than
// restated here, so that moving it turns this test red.
function longestWebViewStringInSource() {
  const header = fs.readFileSync(path.join(root, 'script', 'data_uri_embedding.h'), 'utf8');
  const match = /constexpr\s+uint64_t\s+kLongestWebViewString\s*=\s*([0-9']+)\s*;/.exec(header);
  assert.ok(match, 'script/data_uri_embedding.h defines kLongestWebViewString as a number');
  return Number(match[1].replace(/'/g, ''));
}

// The size in bytes of the line the DLL hands on for one action line
// (kesto-sim exec --measure), which is its length: the line is ASCII.
function lineBytes(line) {
  const out = runKestoSim(['exec', '--measure', '1', line]);
  const match = /\tline_bytes (\d+)\t/.exec(out);
  assert.ok(match, 'kesto-sim exec --measure reports the line: ' + out.slice(0, 300));
  return Number(match[1]);
}

const base64Length = (bytes) => 4 * Math.ceil(bytes / 3);

describe("the web view's longest string", () => {
  it('kLongestWebViewString is the script engine\'s own limit', () => {
    assert.equal(longestWebViewStringInSource(), engineLimit);
  });

  it("Chromium's engine holds a string of that length and refuses a longer one", async () => {
    const layout = await openLayout();
    try {
      // repeat() builds the string from halves without copying, so neither
      // costs the memory of the whole.
      const outcome = await layout.page.evaluate((limit) => {
        const longest = 'x'.repeat(limit).length;
        try {
          'x'.repeat(limit + 1);
          return { longest, longer: 'held' };
        } catch (error) {
          return { longest, longer: error.constructor.name };
        }
      }, engineLimit);
      assert.deepEqual(outcome, { longest: engineLimit, longer: 'RangeError' });
    } finally {
      await layout.close();
    }
  });

  describe('the real DLL embeds a file up to that limit and no further', () => {
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zuvo-longest-'));
    const setSource = (file) => actionLine('ZUVO_Set', 'Rect1', 'v', 'src', windowsPath(file));
    let around;
    let largest;

    before(() => {
      // The line's text around the base64 digits, from a small file's line.
      const small = path.join(scratch, 'small.mp4');
      fs.writeFileSync(small, Buffer.from('twelve bytes'));
      around = lineBytes(setSource(small)) - base64Length(12);
      // The largest file whose line fits, and one byte more (sparse files).
      largest = Math.floor((engineLimit - around) / 4) * 3;
    });

    after(() => fs.rmSync(scratch, { recursive: true, force: true }));

    it('a file whose line just fits is embedded', () => {
      const file = path.join(scratch, 'fits.mp4');
      fs.closeSync(fs.openSync(file, 'w'));
      fs.truncateSync(file, largest);
      const bytes = lineBytes(setSource(file));
      assert.equal(bytes, around + base64Length(largest));
      assert.ok(engineLimit - bytes < 4, `the line (${bytes}) is within a base64 group of the limit`);
      fs.rmSync(file);
    });

    it('one byte more is sent as its path', () => {
      const file = path.join(scratch, 'one-more.mp4');
      fs.closeSync(fs.openSync(file, 'w'));
      fs.truncateSync(file, largest + 1);
      assert.ok(around + base64Length(largest + 1) > engineLimit);
      const bytes = lineBytes(setSource(file));
      assert.ok(bytes < 1000, `a short line that names the file, not ${bytes} bytes`);
      fs.rmSync(file);
    });
  });
});
