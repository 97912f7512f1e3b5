#!/usr/bin/env bash
# The browser tests: the real DLL's scripts (kesto-sim under Wine) run in
# headless Chromium against the layout stand-in in examples/layout/.
# KESTO_SIM_EXE picks another kesto-sim.exe, as for bin/kesto-sim.
# kesto-sim runs in the tree's own Wine prefix, whatever the caller's shell
# says about Wine and X.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/lib/windows_tree.sh"
unset "${wine_caller_variables[@]}"
cd "$here"
export LANG=C.UTF-8
if [ ! -d node_modules/playwright-core ]; then
  npm ci --no-audit --no-fund --loglevel=error >/dev/null
fi
exec node --test --test-reporter=spec tavix-stand-in.test.js actions.test.js embedding.test.js longest-string.test.js \
  hostile-text.test.js
