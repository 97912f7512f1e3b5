// Opens the layout stand-in in headless Chromium and watches it for errors.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');

const root = path.resolve(__dirname, '..', '..', '..');
const layoutUrl = 'file://' + path.join(root, 'examples', 'layout', 'index.html');

// The closed network refuses Chromium's own connections unless they are
// switched off; the profile is new and empty for every launch.
const chromiumArgs = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// `fixedTime` pins the page's clock, so pictures of the time and date the
// layout reports stay the same from run to run.
async function openLayout({ viewport = { width: 960, height: 680 }, fixedTime } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zuvo-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: chromiumArgs,
    viewport,
  });
  const page = context.pages()[0] || (await context.newPage());
  const errors = [];
  page.on('pageerror', (error) => errors.push('page error: ' + error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push('console error: ' + message.text());
  });
  if (fixedTime) await page.clock.setFixedTime(new Date(fixedTime));
  await page.goto(layoutUrl);
  await installProbe(page);
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { page, errors, close, installProbe: () => installProbe(page) };
}

// Records every call into window.ZUVO and every message posted since the
// last reset, so a test sees exactly the arguments the layout received.
async function installProbe(page) {
  await page.evaluate(() => {
    const calls = [];
    let messagesSeen = 0;
    const names = ['setProp', 'getPropSync', 'show', 'hide', 'enable', 'disable',
      'showPage', 'nextPage', 'prevPage', 'getCurrentPage', 'getCurrentPageIndex', 'getPageCount'];
    for (const name of names) {
      const original = window.ZUVO[name];
      window.ZUVO[name] = function (...args) {
        calls.push({ name, args });
        return original.apply(this, args);
      };
    }
    const messages = window.chrome.webview.messages;
    window.__zuvoProbe = {
      reset() { calls.length = 0; messagesSeen = messages.length; },
      observe: null, // set by a test that looks at the document after each script
      take(look) {
        let observed = null;
        try {
          if (look && this.observe) observed = this.observe(look);
        } catch (e) {
          observed = 'nothing to observe: ' + e.message;
        }
        return { calls: calls.slice(), messages: messages.slice(messagesSeen), observed };
      },
    };
  });
}

module.exports = { openLayout, layoutUrl, chromiumArgs };
