// Every action, operation word and Get key, sent by the real DLL and run in
// the layout stand-in: each must have its effect on the page.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { actionLine, executeLines } = require('./lib/kesto');
const { execInPage, parseGoSub } = require('./lib/tavix');
const { openLayout } = require('./lib/layout');

const R = 'Rect1';
const lines = {
  caption: actionLine('ZUVO_Set', R, 'button:btn_ok', 'caption', 'Save'),
  apostropheCaption: actionLine('ZUVO_Set', R, 'label:lbl_title', 'caption', "It's done"),
  styleColour: actionLine('ZUVO_Set', R, 'label:lbl_status', 'textColor', '#cc2244'),
  ordinaryProperty: actionLine('ZUVO_Set', R, 'button:btn_ok', 'shape', 'pill'),
  nameValue: actionLine('ZUVO_Set', R, 'textInput:txt_name', 'value', 'John Smith'),
  comboAdd: actionLine('ZUVO_Items', R, 'cbo_color', 'AddItem', 'Blue'),
  comboAddQuoted: actionLine('ZUVO_Items', R, 'cbo_color', 'AddItem', 'Dark "night" blue'),
  listAdd: actionLine('ZUVO_Items', R, 'lst_fruit', 'AddItem', 'C:\\new\\notes.txt'),
  listAddEmpty: actionLine('ZUVO_Items', R, 'lst_fruit', 'AddItem', ''),
  comboClear: actionLine('ZUVO_Items', R, 'cbo_color', 'ClearItems', ''),
  listClear: actionLine('ZUVO_Items', R, 'lst_fruit', 'ClearItems', ''),
  listAddFirst: actionLine('ZUVO_Items', R, 'lst_fruit', 'AddItem', 'first'),
  setText: actionLine('ZUVO_Items', R, 'txt_notes', 'SetText', 'Line one\nLine two'),
  setTextEmpty: actionLine('ZUVO_Items', R, 'txt_notes', 'SetText', ''),
  addRow: actionLine('ZUVO_AddRow', R, 'tbl_scores', 'Bob,12,C:\\scores'),
  clearRows: actionLine('ZUVO_ClearRows', R, 'tbl_scores'),
  hide: actionLine('ZUVO_Visibility', R, 'btn_cancel', 'Hide'),
  show: actionLine('ZUVO_Visibility', R, 'btn_cancel', 'Show'),
  disable: actionLine('ZUVO_Visibility', R, 'btn_cancel', 'Disable'),
  enable: actionLine('ZUVO_Visibility', R, 'btn_cancel', 'Enable'),
  toggle: actionLine('ZUVO_Visibility', R, 'btn_cancel', 'Toggle'),
  toggleMissing: actionLine('ZUVO_Visibility', R, 'btn_nowhere', 'Toggle'),
  lowerCaseShow: actionLine('ZUVO_Visibility', R, 'btn_cancel', 'show'),
  gotoScores: actionLine('ZUVO_Navigate', R, 'GoToPage', 'Scores'),
  gotoNowhere: actionLine('ZUVO_Navigate', R, 'GoToPage', ''),
  next: actionLine('ZUVO_Navigate', R, 'NextPage', ''),
  prev: actionLine('ZUVO_Navigate', R, 'PrevPage', ''),
  reload: actionLine('ZUVO_Navigate', R, 'Reload', ''),
  getPage: actionLine('ZUVO_Get', R, 'PAGE', '', '[X]'),
  getPageIndex: actionLine('ZUVO_Get', R, 'PAGE_INDEX', '', '[X]'),
  getPageCount: actionLine('ZUVO_Get', R, 'PAGE_COUNT', '', '[X]'),
  getScreenW: actionLine('ZUVO_Get', R, 'SCREEN_W', '', '[X]'),
  getScreenH: actionLine('ZUVO_Get', R, 'SCREEN_H', '', '[X]'),
  getTime: actionLine('ZUVO_Get', R, 'ZUVO_TIME', '', '[X]'),
  getDate: actionLine('ZUVO_Get', R, 'ZUVO_DATE', '', '[X]'),
  getName: actionLine('ZUVO_Get', R, 'textInput:txt_name', 'value', '[Name]'),
  getVisible: actionLine('ZUVO_Get', R, 'button:btn_cancel', 'visible', '[V]'),
  getShape: actionLine('ZUVO_Get', R, 'button:btn_ok', 'shape', '[S]'),
  getUnset: actionLine('ZUVO_Get', R, 'button:btn_ok', 'neverSet', '[S]'),
  goSub: actionLine('ZUVO_GoSub', 'ZUVO_OnPropValue'),
};

let sent = {};
let layout;

before(async () => {
  const names = Object.keys(lines);
  const outcomes = executeLines(names.map((name) => lines[name]));
  names.forEach((name, i) => {
    assert.equal(outcomes[i].result, 1, `${name} returns 1`);
    sent[name] = outcomes[i].sent;
  });
  layout = await openLayout();
});

after(async () => {
  if (layout) await layout.close();
});

// Runs the lines the DLL sent for the named actions, in order.
async function perform(...names) {
  const outcomes = [];
  for (const name of names) outcomes.push(...(await execInPage(layout.page, sent[name])));
  return outcomes;
}

const inPage = (fn, arg) => layout.page.evaluate(fn, arg);
const messagesOf = (outcomes) => outcomes.flatMap((o) => o.seen.messages);

function assertNoPageErrors() {
  assert.deepEqual(layout.errors, [], 'no page errors or console errors');
}

describe('ZUVO_Set', () => {
  it('sets captions, text with an apostrophe, style and ordinary properties', async () => {
    await perform('caption', 'apostropheCaption', 'styleColour', 'ordinaryProperty', 'nameValue');
    const seen = await inPage(() => ({
      ok: document.getElementById('btn_ok').textContent,
      title: document.getElementById('lbl_title').textContent,
      colour: getComputedStyle(document.getElementById('lbl_status')).color,
      shape: window.ZUVO.getPropSync('btn_ok', 'shape'),
      name: document.getElementById('txt_name').value,
    }));
    assert.deepEqual(seen, { ok: 'Save', title: "It's done", colour: 'rgb(204, 34, 68)', shape: 'pill', name: 'John Smith' });
    assertNoPageErrors();
  });
});

describe('ZUVO_Items', () => {
  const comboOptions = () => inPage(() => Array.from(document.getElementById('cbo_color').options, (o) => [o.value, o.textContent]));
  const listRows = () => inPage(() => Array.from(document.querySelectorAll('#lst_fruit .zuvo-listbox-item'),
    (d) => [d.dataset.index, d.textContent]));

  it('appends items to a SELECT combo box as options', async () => {
    await perform('comboAdd', 'comboAddQuoted');
    assert.deepEqual((await comboOptions()).slice(-2), [['Blue', 'Blue'], ['Dark "night" blue', 'Dark "night" blue']]);
    assertNoPageErrors();
  });

  it('appends items to a list box with the index of their place', async () => {
    const before = (await listRows()).length;
    await perform('listAdd', 'listAddEmpty');
    assert.deepEqual((await listRows()).slice(-2), [[String(before), 'C:\\new\\notes.txt'], [String(before + 1), '']]);
    assertNoPageErrors();
  });

  it('clears both kinds of list, and counts again from 0 after a clear', async () => {
    await perform('comboClear', 'listClear');
    assert.deepEqual(await comboOptions(), []);
    assert.deepEqual(await listRows(), []);
    await perform('listAddFirst');
    assert.deepEqual(await listRows(), [['0', 'first']]);
    assertNoPageErrors();
  });

  it('sets and clears the text of a text area, line breaks kept', async () => {
    await perform('setText');
    assert.equal(await inPage(() => document.getElementById('txt_notes').value), 'Line one\nLine two');
    await perform('setTextEmpty');
    assert.equal(await inPage(() => document.getElementById('txt_notes').value), '');
    assertNoPageErrors();
  });
});

describe('ZUVO_AddRow and ZUVO_ClearRows', () => {
  const bodyRows = () => inPage(() => Array.from(document.getElementById('tbl_scores').tBodies[0].rows,
    (r) => Array.from(r.cells, (c) => c.textContent)));

  it('adds a row split at the commas, then clears the rows but not the header', async () => {
    const before = await bodyRows();
    await perform('addRow');
    assert.deepEqual(await bodyRows(), [...before, ['Bob', '12', 'C:\\scores']]);
    await perform('clearRows');
    assert.deepEqual(await bodyRows(), []);
    assert.equal(await inPage(() => document.querySelectorAll('#tbl_scores thead th').length), 3);
    assertNoPageErrors();
  });
});

describe('ZUVO_Visibility', () => {
  const state = () => inPage(() => {
    const e = document.getElementById('btn_cancel');
    return { display: e.style.display, disabled: e.disabled };
  });

  it('hides and shows, disables and enables', async () => {
    await perform('hide');
    assert.deepEqual(await state(), { display: 'none', disabled: false });
    await perform('show');
    assert.deepEqual(await state(), { display: '', disabled: false });
    await perform('disable');
    assert.deepEqual(await state(), { display: '', disabled: true });
    await perform('enable');
    assert.deepEqual(await state(), { display: '', disabled: false });
    assertNoPageErrors();
  });

  it('toggles a visible control hidden and a hidden one visible', async () => {
    await perform('toggle');
    assert.equal((await state()).display, 'none');
    await perform('toggle');
    assert.equal((await state()).display, '');
    assertNoPageErrors();
  });

  it('toggling a control that is not on the page does nothing and raises nothing', async () => {
    const [outcome] = await perform('toggleMissing');
    assert.deepEqual(outcome.seen.calls, []);
    assertNoPageErrors();
  });

  it('sends nothing for an operation word in the wrong case', () => {
    assert.deepEqual(sent.lowerCaseShow, []);
  });
});

describe('ZUVO_Get', () => {
  const onlyMessage = (outcomes) => {
    const messages = messagesOf(outcomes);
    assert.equal(messages.length, 1, 'one message posted');
    return messages[0];
  };

  it('posts the page name, index and count', async () => {
    assert.equal(onlyMessage(await perform('getPage')), 'ZUVO_VALUE:CurrentPage|Home');
    assert.equal(onlyMessage(await perform('getPageIndex')), 'ZUVO_VALUE:CurrentPageIndex|0');
    assert.equal(onlyMessage(await perform('getPageCount')), 'ZUVO_VALUE:PageCount|3');
    assertNoPageErrors();
  });

  it('posts the window size', async () => {
    assert.equal(onlyMessage(await perform('getScreenW')), 'ZUVO_VALUE:ScreenWidth|960');
    assert.equal(onlyMessage(await perform('getScreenH')), 'ZUVO_VALUE:ScreenHeight|680');
    assertNoPageErrors();
  });

  it('posts the local time as HH:MM:SS and the date as YYYY-MM-DD', async () => {
    const time = onlyMessage(await perform('getTime'));
    assert.match(time, /^ZUVO_VALUE:Time\|([01]\d|2[0-3]):[0-5]\d:[0-5]\d$/);
    const today = () => inPage(() => {
      const d = new Date();
      return [d.getFullYear(), d.getMonth() + 1, d.getDate()].map((n) => String(n).padStart(2, '0')).join('-');
    });
    const before = await today();
    const date = onlyMessage(await perform('getDate'));
    const after = await today();
    assert.ok([before, after].map((d) => 'ZUVO_VALUE:Date|' + d).includes(date), date);
    assertNoPageErrors();
  });

  it('posts a property read under the property name', async () => {
    await perform('nameValue', 'ordinaryProperty', 'hide');
    assert.equal(onlyMessage(await perform('getName')), 'ZUVO_VALUE:value|John Smith');
    assert.equal(onlyMessage(await perform('getShape')), 'ZUVO_VALUE:shape|pill');
    assert.equal(onlyMessage(await perform('getVisible')), 'ZUVO_VALUE:visible|false');
    assert.equal(onlyMessage(await perform('getUnset')), 'ZUVO_VALUE:neverSet|');
    await perform('show');
    assertNoPageErrors();
  });

  it('still posts in a page without window.ZUVO', async () => {
    await inPage(() => { window.__savedZuvo = window.ZUVO; delete window.ZUVO; });
    try {
      const posted = messagesOf(await perform('getPage', 'getPageIndex', 'getPageCount', 'getName'));
      assert.deepEqual(posted, ['ZUVO_VALUE:CurrentPage|', 'ZUVO_VALUE:CurrentPageIndex|0',
        'ZUVO_VALUE:PageCount|0', 'ZUVO_VALUE:value|undefined']);
    } finally {
      await inPage(() => { window.ZUVO = window.__savedZuvo; });
    }
    assertNoPageErrors();
  });
});

describe('ZUVO_Navigate', () => {
  const page = () => inPage(() => [window.ZUVO.getCurrentPage(), window.ZUVO.getCurrentPageIndex(),
    document.querySelector('.zuvo-page-active').dataset.page]);

  it('goes to a page by name, and an unknown name leaves it', async () => {
    await perform('gotoScores');
    assert.deepEqual(await page(), ['Scores', 1, 'Scores']);
    await perform('gotoNowhere');
    assert.deepEqual(await page(), ['Scores', 1, 'Scores']);
    assertNoPageErrors();
  });

  it('moves to the next and previous page, wrapping at both ends', async () => {
    await perform('next');
    assert.deepEqual(await page(), ['Settings', 2, 'Settings']);
    await perform('next');
    assert.deepEqual(await page(), ['Home', 0, 'Home']);
    await perform('prev');
    assert.deepEqual(await page(), ['Settings', 2, 'Settings']);
    await perform('prev', 'prev');
    assert.deepEqual(await page(), ['Home', 0, 'Home']);
    assertNoPageErrors();
  });

  it('reloads the layout to its first state', async () => {
    await perform('caption', 'gotoScores');
    await Promise.all([layout.page.waitForEvent('load'), perform('reload')]);
    await layout.installProbe();
    assert.deepEqual(await page(), ['Home', 0, 'Home']);
    assert.equal(await inPage(() => document.getElementById('btn_ok').textContent), 'OK');
    assertNoPageErrors();
  });
});

describe('ZUVO_GoSub', () => {
  it('hands Kesto a GoSub line for the subroutine, with no script', () => {
    assert.equal(sent.goSub.length, 1);
    assert.equal(parseGoSub(sent.goSub[0]), 'ZUVO_OnPropValue');
  });
});
