// Runs the sample publication through kesto-sim and the real DLL, plays what
// it sends into the layout stand-in in headless Chromium, and saves a picture
// of the layout before and after: node layout-screenshots.js BEFORE.png AFTER.png
'use strict';
const path = require('node:path');
const { runKestoSim, parseOutput, windowsPath, root } = require('./lib/kesto');
const { parseExecScript, parseGoSub, runScripts } = require('./lib/tavix');
const { openLayout } = require('./lib/layout');

async function main([beforeFile, afterFile]) {
  const publication = path.join(root, 'examples', 'sample-publication.txt');
  const sent = parseOutput(runKestoSim(['run', windowsPath(publication)])).flatMap((o) => o.sent);
  const layout = await openLayout({ viewport: { width: 960, height: 720 }, fixedTime: '2026-06-01T09:30:00' });
  try {
    await layout.page.screenshot({ path: beforeFile, fullPage: true });
    for (const line of sent) {
      if (line.startsWith('GoSub ')) {
        console.log(`Kesto runs its subroutine ${parseGoSub(line)}`);
        continue;
      }
      const { rectangle, script } = parseExecScript(line);
      const reloads = script.includes('location.reload()');
      const [outcome] = await Promise.all([
        runScripts(layout.page, [script]).then((outcomes) => outcomes[0]),
        reloads ? layout.page.waitForEvent('load') : null,
      ]);
      if (reloads) await layout.installProbe();
      const shown = script.length > 110 ? script.slice(0, 107) + '...' : script;
      console.log(`${rectangle}: ${outcome.error ? 'FAILED ' + outcome.error + ': ' : ''}${shown}`);
      if (outcome.error) process.exitCode = 1;
    }
    const messages = await layout.page.evaluate(() => window.chrome.webview.messages);
    for (const message of messages) console.log('posted to Kesto: ' + message);
    await layout.page.evaluate(() => document.fonts.ready);
    await layout.page.screenshot({ path: afterFile, fullPage: true });
    for (const error of layout.errors) console.log(error);
    if (layout.errors.length) process.exitCode = 1;
  } finally {
    await layout.close();
  }
}

main(process.argv.slice(2)).catch((error) => {
  console.error(error);
  process.exit(1);
});
