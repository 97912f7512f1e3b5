// Runs action lines through kesto-sim and the real DLL under Wine and returns,
// per line, what the plug-in handed to Kesto's script processor.
'use strict';
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const root = path.resolve(__dirname, '..', '..', '..');
const kestoSim = path.join(root, 'bin', 'kesto-sim');

// Windows limits a command line to 32767 UTF-16 units; stay well below.
const commandLineBudget = 24000;

// Writes an action line as Kesto stores it: each parameter in double quotes,
// a double quote inside written twice.
function actionLine(name, ...parameters) {
  return [name, ...parameters.map((p) => '"' + String(p).replace(/"/g, '""') + '"')].join(' ');
}

function runKestoSim(args) {
  const run = spawnSync(kestoSim, args, {
    encoding: 'utf8',
    maxBuffer: 512 * 1024 * 1024,
    env: { ...process.env, LANG: 'C.UTF-8' },
  });
  if (run.error) throw run.error;
  if (run.status !== 0) {
    throw new Error(`kesto-sim ${args[0]} exited with ${run.status}: ${run.stderr.slice(0, 2000)}`);
  }
  return run.stdout;
}

// Groups the output into one entry per executed line: the lines sent, then
// the result. A sent line may itself hold a line feed (a GoSub name is passed
// on unchanged), so any output line that is neither "send" nor "result"
// continues the line before it.
function parseOutput(stdout) {
  const outcomes = [];
  let sent = [];
  const lines = stdout.split('\n');
  if (lines[lines.length - 1] === '') lines.pop();
  for (const line of lines) {
    if (line.startsWith('send\t')) {
      sent.push(line.slice(5));
    } else if (line.startsWith('result\t')) {
      outcomes.push({ sent, result: Number(line.slice(7)) });
      sent = [];
    } else if (sent.length) {
      sent[sent.length - 1] += '\n' + line;
    } else {
      throw new Error('unexpected kesto-sim output: ' + JSON.stringify(line));
    }
  }
  return outcomes;
}

// `run FILE` reads UTF-8 lines, so a line feed cannot travel inside a
// parameter there; such lines go as `exec` arguments instead, in batches.
function execBatches(lines) {
  const batches = [];
  let batch = [];
  let size = 0;
  for (const line of lines) {
    if (batch.length && size + line.length > commandLineBudget) {
      batches.push(batch);
      batch = [];
      size = 0;
    }
    batch.push(line);
    size += line.length + 3;
  }
  if (batch.length) batches.push(batch);
  return batches;
}

function runFile(lines) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zuvo-kesto-'));
  try {
    const file = path.join(dir, 'lines.txt');
    fs.writeFileSync(file, lines.join('\n') + '\n', 'utf8');
    return parseOutput(runKestoSim(['run', windowsPath(file)]));
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// Executes every line in order of the input; returns [{ sent: [...], result }].
function executeLines(lines) {
  const viaFile = [];
  const viaArguments = [];
  lines.forEach((line, index) => (line.includes('\n') ? viaArguments : viaFile).push(index));
  const outcomes = new Array(lines.length);
  const place = (indexes, results) => {
    if (results.length !== indexes.length) {
      throw new Error(`kesto-sim executed ${results.length} of ${indexes.length} lines`);
    }
    indexes.forEach((index, k) => { outcomes[index] = results[k]; });
  };
  if (viaFile.length) place(viaFile, runFile(viaFile.map((i) => lines[i])));
  let done = 0;
  for (const batch of execBatches(viaArguments.map((i) => lines[i]))) {
    place(viaArguments.slice(done, done + batch.length), parseOutput(runKestoSim(['exec', ...batch])));
    done += batch.length;
  }
  return outcomes;
}

// The path by which Wine's programs see a file of this machine.
function windowsPath(file) {
  return 'Z:' + path.resolve(file).replace(/\//g, '\\');
}

module.exports = { actionLine, executeLines, runKestoSim, parseOutput, windowsPath, root };
