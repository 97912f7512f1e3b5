#!/usr/bin/env bash
# The sample publication run against the layout stand-in in headless
# Chromium: docs/layout-before.png and docs/layout-after.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ -f "$root/examples/sample-publication.txt" ] || { echo "no sample publication; no layout pictures"; exit 0; }
cd "$root/tests/browser"
export LANG=C.UTF-8
if [ ! -d node_modules/playwright-core ]; then
  npm ci --no-audit --no-fund --loglevel=error >/dev/null
fi
echo "== the sample publication in the layout stand-in (headless Chromium)"
node layout-screenshots.js "$root/docs/layout-before.png" "$root/docs/layout-after.png"
echo "saved docs/layout-before.png and docs/layout-after.png"
