// The harness's reading of a Kesto line must be strict, or a malformed line
// from the plug-in would pass unnoticed.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const { splitKestoLine, parseExecScript, parseGoSub } = require('./lib/tavix');

const good = `TavixExecScript "Rect1" "window.ZUVO.show('a');" "" "[ZUVO.ExecResult]"`;

describe('splitting a Kesto line', () => {
  it('reads the command word and quoted parameters, "" standing for a quote', () => {
    assert.deepEqual(splitKestoLine('GoSub "say ""hi"""'), { command: 'GoSub', parameters: ['say "hi"'] });
    assert.deepEqual(parseExecScript(good), { rectangle: 'Rect1', script: "window.ZUVO.show('a');" });
  });

  it('refuses a lone quote inside a parameter, a missing closing quote and stray text', () => {
    for (const line of ['X "a"b"', 'X "open', 'X "a" b', 'X "a"  "b"', 'X "a""', '"X" "a"']) {
      assert.equal(splitKestoLine(line), null, line);
    }
  });

  it('accepts only TavixExecScript with four parameters, an empty third and the result variable', () => {
    const wrong = [
      `TavixExecScript "Rect1" "s" ""`,
      `TavixExecScript "Rect1" "s" "" "[ZUVO.ExecResult]" ""`,
      `TavixRunScript "Rect1" "s" "" "[ZUVO.ExecResult]"`,
      `TavixExecScript "Rect1" "s" "x" "[ZUVO.ExecResult]"`,
      `TavixExecScript "Rect1" "s" "" "[ZUVO.Result]"`,
      `TavixExecScript "Rect1" "it"s" "" "[ZUVO.ExecResult]"`,
    ];
    for (const line of wrong) assert.throws(() => parseExecScript(line), undefined, line);
  });

  it('reads a GoSub line and nothing else as one', () => {
    assert.equal(parseGoSub('GoSub "My Sub"'), 'My Sub');
    assert.throws(() => parseGoSub('GoSub My Sub'));
    assert.throws(() => parseGoSub(good));
  });
});
