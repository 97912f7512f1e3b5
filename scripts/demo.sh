#!/usr/bin/env bash
# The main job: builds everything and shows the plug-in at work through
# kesto-sim and the real DLL under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
./scripts/setup.sh browser
./scripts/build.sh
export LANG=C.UTF-8 LC_ALL=C.UTF-8
source scripts/lib/windows_tree.sh
# The tree's own Wine prefixes, whatever the caller's shell names: the
# pictures are the documentation's, made in known settings, and a prefix of
# one's own is left alone.
unset WINEPREFIX WINEARCH WINE_DPI WINE_FONT WINE_LANG
if ! machine_runs_i386; then
  echo "== this kernel runs no 32-bit x86 program: the demo runs the x86-64 build"
  echo "== of the same sources under 64-bit Wine (build/win64)"
fi
echo "== kesto-sim info (the real DLL under Wine)"
bin/kesto-sim info
if [ -f examples/sample-publication.txt ]; then
  echo "== the sample publication's action lines"
  (cd examples && "$root/bin/kesto-sim" run sample-publication.txt)
fi
for step in scripts/demo.d/*.sh; do
  [ -f "$step" ] && bash "$step"
done
exit 0
