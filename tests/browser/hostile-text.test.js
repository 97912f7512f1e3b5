// Author text that tries to break out of its string literal: for every
// parameter that carries text, the layout must receive exactly what Kesto
// held (the code page 1252 round trip of the input), nothing may run that
// the author did not ask for, and no script may fail.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { actionLine, executeLines } = require('./lib/kesto');
const { parseExecScript, parseGoSub, runScripts } = require('./lib/tavix');
const { openLayout } = require('./lib/layout');
const { roundTrip1252, printableHigh } = require('./lib/codepage1252');

const R = 'Rect1';
const lookalikes = ['\uFF07', '\uFF02', '\uFF3C', '\u02BC', '\u2032', '\u2216'];
const controls = Array.from({ length: 31 }, (_, i) => String.fromCharCode(i + 1)).join('') + '\x7F';

const fixedInputs = [
  "'", "''", "it's", '\\', '\\\\', 'trailing\\', "\\'", "'\\", '"', '""', 'say "hi"',
  '\r', '\n', '\r\n', 'one\r\ntwo\nthree\rfour', '\t', 'a\tb', controls, '\\n', '\\u0022', 'C:\\new\\table',
  "');window.PWNED=1;//", "\\');window.PWNED=1;//", "'+(window.PWNED=1)+'", '"+(window.PWNED=1)+"',
  '</script><script>window.PWNED=1</script>', '</script>', '${window.PWNED=1}', '`+(window.PWNED=1)+`',
  printableHigh, '中文', '😀', '\u2028', '\u2029', 'a\u2028b\u2029c',
  ...lookalikes,
  ...lookalikes.flatMap((c) => [c + "'", "'" + c, c + '\\', '\\' + c, c + "');window.PWNED=1;//"]),
];

// A seeded generator, so a failure can be replayed.
function mulberry32(seed) {
  return () => {
    seed = (seed + 0x6D2B79F5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const alphabet = [
  ["'", '\\', '"', '\r', '\n', '\t', ')', '(', ';', '/', '<', '>', ',', ':', '|', '`', '$', '{', '}', '+', '=', ' '],
  [...controls],
  [...'abcXYZ019_-.'],
  [...printableHigh],
  ['中', '文', '😀', '\u2028', '\u2029', '\uD7FF', '\uFFFD'],
  lookalikes,
];

function randomInputs(count, seed) {
  const random = mulberry32(seed);
  const pick = (list) => list[Math.floor(random() * list.length)];
  return Array.from({ length: count }, () => {
    let text = '';
    const length = 1 + Math.floor(random() * 24);
    for (let i = 0; i < length; ++i) text += pick(pick(alphabet));
    return text;
  });
}

const inputs = [...fixedInputs, ...randomInputs(300, 20261208)];

// One entry per parameter that carries text: the action line for input s
// and what the layout must see for its round trip r (k numbers the input).
const slots = [
  { name: 'control ID of ZUVO_Set', line: (s, k) => actionLine('ZUVO_Set', R, 'label:' + s, 'tag', 'v' + k),
    calls: (r, k) => [['setProp', [r, 'tag', 'v' + k]]] },
  { name: 'control ID of ZUVO_Get', line: (s) => actionLine('ZUVO_Get', R, 'label:' + s, 'tag', '[X]'),
    calls: (r) => [['getPropSync', [r, 'tag']]], messages: (r, k) => ['ZUVO_VALUE:tag|v' + k] },
  { name: 'property of ZUVO_Set', line: (s, k) => actionLine('ZUVO_Set', R, 'label:lbl_probe', s, 'p' + k),
    calls: (r, k) => [['setProp', ['lbl_probe', r, 'p' + k]]] },
  { name: 'property of ZUVO_Get', line: (s) => actionLine('ZUVO_Get', R, 'label:lbl_probe', s, '[X]'),
    calls: (r) => [['getPropSync', ['lbl_probe', r]]], messages: (r, k) => [`ZUVO_VALUE:${r}|p${k}`] },
  { name: 'value of ZUVO_Set', line: (s) => actionLine('ZUVO_Set', R, 'label:lbl_probe', 'caption', s),
    calls: (r) => [['setProp', ['lbl_probe', 'caption', r]]], text: (r) => ['lbl_probe', r] },
  { name: 'control ID of ZUVO_Visibility', line: (s) => actionLine('ZUVO_Visibility', R, s, 'Hide'),
    calls: (r) => [['hide', [r]]] },
  { name: 'control ID of a toggle', line: (s) => actionLine('ZUVO_Visibility', R, s, 'Toggle'),
    calls: (r) => [['setProp', [r, 'visible', 'true']]] },
  { name: 'control ID of ZUVO_Items', line: (s, k) => actionLine('ZUVO_Items', R, s, 'AddItem', 'item' + k),
    calls: () => [], lastItem: (r, k) => [r, 'item' + k] },
  { name: 'item text for a SELECT', line: (s) => actionLine('ZUVO_Items', R, 'cbo_probe', 'AddItem', s),
    calls: () => [], option: (r) => [r, r] },
  { name: 'item text for a list box', line: (s) => actionLine('ZUVO_Items', R, 'lst_probe', 'AddItem', s),
    calls: () => [], lastItem: (r) => ['lst_probe', r] },
  { name: 'text of SetText', line: (s) => actionLine('ZUVO_Items', R, 'txa_probe', 'SetText', s),
    calls: (r) => [['setProp', ['txa_probe', 'value', r]]] },
  { name: 'page name', line: (s) => actionLine('ZUVO_Navigate', R, 'GoToPage', s),
    calls: (r) => [['showPage', [r]]] },
  { name: 'table ID of ZUVO_AddRow', line: (s) => actionLine('ZUVO_AddRow', R, s, 'a,b'),
    calls: (r) => [['setProp', [r, 'addrow', 'a,b']]] },
  { name: 'table ID of ZUVO_ClearRows', line: (s) => actionLine('ZUVO_ClearRows', R, s),
    calls: (r) => [['setProp', [r, 'clearrows', '']]] },
  { name: 'cell values', line: (s) => actionLine('ZUVO_AddRow', R, 'tbl_probe', s),
    calls: (r) => [['setProp', ['tbl_probe', 'addrow', r]]], lastRow: (r) => r },
];

const cases = inputs.flatMap((s, k) => slots.map((slot) => ({ slot, s, k, r: roundTrip1252(s), line: slot.line(s, k) })));
const goSubLines = inputs.map((s) => actionLine('ZUVO_GoSub', s));

let layout;
const failures = new Map(slots.map((slot) => [slot.name, []]));
let goSubSent;

function fail(slot, c, what) {
  failures.get(slot.name).push(`input ${JSON.stringify(c.s)}: ${what}`);
}

// Looks after each case in the page: the last item of a list, the last
// option of a SELECT, the last row of a table, the text of a control.
function observationOf(c) {
  if (c.slot.lastItem) return { kind: 'lastItem', id: c.slot.lastItem(c.r, c.k)[0] };
  if (c.slot.option) return { kind: 'option', id: 'cbo_probe' };
  if (c.slot.lastRow) return { kind: 'lastRow', id: 'tbl_probe' };
  if (c.slot.text) return { kind: 'text', id: c.slot.text(c.r)[0] };
  return null;
}

async function addProbeControls(page, ids) {
  await page.evaluate((extraIds) => {
    const area = document.createElement('div');
    area.id = 'probe-area';
    area.hidden = true;
    area.innerHTML = '<p id="lbl_probe"></p><select id="cbo_probe"></select><div id="lst_probe"></div>' +
      '<textarea id="txa_probe"></textarea><table id="tbl_probe"><tbody></tbody></table>';
    for (const id of extraIds) {
      if (document.getElementById(id)) continue;
      const e = document.createElement('div');
      e.id = id;
      area.appendChild(e);
    }
    document.body.appendChild(area);
  }, ids);
}

// The probe's view of the document after a case.
async function installObserver(page) {
  await page.evaluate(() => {
    window.__zuvoProbe.observe = (o) => {
      const e = document.getElementById(o.id);
      if (o.kind === 'text') return e.textContent;
      if (o.kind === 'option') {
        const last = e.options[e.options.length - 1];
        return [last.value, last.textContent];
      }
      if (o.kind === 'lastRow') {
        const rows = e.tBodies[0].rows;
        return Array.from(rows[rows.length - 1].cells, (cell) => cell.textContent).join(',');
      }
      const items = e.querySelectorAll('.zuvo-listbox-item');
      const last = items[items.length - 1];
      return [last.dataset.index === String(items.length - 1), last.textContent];
    };
  });
}

function check(c, sent, outcome) {
  const { slot } = c;
  const observed = outcome.seen.observed;
  if (sent.length !== 1) return fail(slot, c, `${sent.length} lines sent`);
  let parsed;
  try {
    parsed = parseExecScript(sent[0]);
  } catch (e) {
    return fail(slot, c, e.message);
  }
  if (parsed.rectangle !== R) fail(slot, c, 'wrong rectangle ' + JSON.stringify(parsed.rectangle));
  if (outcome.error) return fail(slot, c, 'script error ' + outcome.error);
  if (outcome.pwned) return fail(slot, c, 'window.PWNED was set');
  const calls = outcome.seen.calls.map((call) => [call.name, call.args]);
  try {
    assert.deepEqual(calls, slot.calls(c.r, c.k));
    if (slot.messages) assert.deepEqual(outcome.seen.messages, slot.messages(c.r, c.k));
    if (slot.lastItem) assert.deepEqual(observed, [true, slot.lastItem(c.r, c.k)[1]]);
    if (slot.option) assert.deepEqual(observed, slot.option(c.r));
    if (slot.lastRow) assert.equal(observed, slot.lastRow(c.r));
    if (slot.text) assert.equal(observed, slot.text(c.r)[1]);
  } catch (e) {
    fail(slot, c, 'layout saw ' + JSON.stringify({ calls, messages: outcome.seen.messages, observed }) +
      ' instead of ' + JSON.stringify({ calls: slot.calls(c.r, c.k), messages: slot.messages && slot.messages(c.r, c.k) }));
  }
}

before(async () => {
  const outcomes = executeLines([...cases.map((c) => c.line), ...goSubLines]);
  goSubSent = outcomes.slice(cases.length).map((o) => o.sent);
  layout = await openLayout();
  // Elements for the IDs that the toggle and the item cases address.
  await addProbeControls(layout.page, [...new Set(cases.map((c) => c.r))]);
  await installObserver(layout.page);
  const script = (sent) => {
    try { return sent.length === 1 ? parseExecScript(sent[0]).script : ''; } catch { return ''; }
  };
  const batch = 250;
  for (let at = 0; at < cases.length; at += batch) {
    const part = cases.slice(at, at + batch);
    const results = await runScripts(layout.page, part.map((c, i) => script(outcomes[at + i].sent)),
      part.map(observationOf));
    part.forEach((c, i) => check(c, outcomes[at + i].sent, results[i]));
  }
});

after(async () => {
  if (layout) await layout.close();
});

describe(`hostile text in every text parameter (${inputs.length} inputs)`, () => {
  for (const slot of slots) {
    it(`the ${slot.name} arrives exactly as Kesto held it`, () => {
      const found = failures.get(slot.name);
      assert.equal(found.length, 0, `${found.length} failures, first ones:\n  ${found.slice(0, 5).join('\n  ')}`);
    });
  }

  it('the subroutine name of ZUVO_GoSub is passed on unchanged', () => {
    const wrong = [];
    inputs.forEach((s, k) => {
      const sent = goSubSent[k];
      try {
        assert.equal(sent.length, 1);
        assert.equal(parseGoSub(sent[0]), roundTrip1252(s));
      } catch {
        wrong.push(JSON.stringify(s) + ' sent ' + JSON.stringify(sent));
      }
    });
    assert.deepEqual(wrong, []);
  });

  it('nothing raised an error in the page', () => {
    assert.deepEqual(layout.errors, []);
  });

  it('nothing wrote to window.PWNED', async () => {
    assert.equal(await layout.page.evaluate(() => typeof window.PWNED), 'undefined');
  });
});
