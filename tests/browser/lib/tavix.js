// The web-view plug-in's side of a Kesto line: split the line as Kesto's
// script processor would, check that it is a well-formed TavixExecScript
// command, and run its script in the page.
'use strict';

// A Kesto command line: the command word, then parameters in double quotes
// separated by blanks, where "" inside a parameter stands for one quote.
// Returns { command, parameters } or null when the line is malformed.
function splitKestoLine(line) {
  const word = /^[^\s"]+/.exec(line);
  if (!word) return null;
  const parameters = [];
  let at = word[0].length;
  while (at < line.length) {
    if (line[at] !== ' ') return null;
    at += 1;
    if (line[at] !== '"') return null;
    let text = '';
    for (at += 1; ; at += 1) {
      if (at >= line.length) return null;
      if (line[at] !== '"') { text += line[at]; continue; }
      if (line[at + 1] === '"') { text += '"'; at += 1; continue; }
      at += 1;
      break;
    }
    parameters.push(text);
  }
  return { command: word[0], parameters };
}

// Checks a sent line and returns its rectangle and script; throws on any
// departure from `TavixExecScript "rect" "script" "" "[ZUVO.ExecResult]"`.
function parseExecScript(line) {
  const split = splitKestoLine(line);
  if (!split) throw new Error('not a Kesto command line: ' + JSON.stringify(line));
  if (split.command !== 'TavixExecScript') throw new Error('not TavixExecScript: ' + JSON.stringify(line));
  if (split.parameters.length !== 4) {
    throw new Error(`TavixExecScript with ${split.parameters.length} parameters: ${JSON.stringify(line)}`);
  }
  const [rectangle, script, third, resultVariable] = split.parameters;
  if (third !== '') throw new Error('third parameter not empty: ' + JSON.stringify(line));
  if (resultVariable !== '[ZUVO.ExecResult]') throw new Error('wrong result variable: ' + JSON.stringify(line));
  return { rectangle, script };
}

// A GoSub line names the subroutine unchanged between quotes.
function parseGoSub(line) {
  const match = /^GoSub "([\s\S]*)"$/.exec(line);
  if (!match) throw new Error('not a GoSub line: ' + JSON.stringify(line));
  return match[1];
}

// Runs scripts in the page as the web view runs a script it is handed: as a
// global script, one after the other. Each outcome tells whether it threw,
// whether anything escaped into window.PWNED, and what the layout saw when
// the test has put a probe on window.ZUVO (with observations[i], if given,
// handed to the probe after script i).
async function runScripts(page, scripts, observations = []) {
  return page.evaluate(({ list, looks }) => list.map((script, i) => {
    const probe = window.__zuvoProbe;
    if (probe) probe.reset();
    let error = null;
    try {
      (0, eval)(script);
    } catch (e) {
      error = e && e.name ? `${e.name}: ${e.message}` : String(e);
    }
    return { error, pwned: typeof window.PWNED !== 'undefined', seen: probe ? probe.take(looks[i]) : null };
  }), { list: scripts, looks: observations });
}

// Runs the script of each sent TavixExecScript line in the page; throws when
// a line is malformed or a script raises an error.
async function execInPage(page, sentLines) {
  const scripts = sentLines.map((line) => parseExecScript(line).script);
  const outcomes = await runScripts(page, scripts);
  outcomes.forEach((outcome, i) => {
    if (outcome.error) throw new Error(`script failed in the page: ${outcome.error}\n  script: ${scripts[i]}`);
  });
  return outcomes;
}

module.exports = { splitKestoLine, parseExecScript, parseGoSub, runScripts, execInPage };
