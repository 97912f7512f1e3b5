#!/usr/bin/env bash
# End-to-end benchmark of file embedding through the real DLL under Wine:
# ZUVO_Set on a 100 MB file, timed from ksExecAction to the arrival of the
# line at kesto-sim's script processor, in alternating rounds with GNU
# coreutils `base64 -w0` encoding the same file to /dev/null; then a 500 MB
# file, a file too large for the 32-bit address space, and the native
# Google Benchmark of the encoder and the embed path.
#
#   ./scripts/build.sh && bench/run-embed-benchmark.sh [ROUNDS]
#
# KESTO_SIM_EXE  kesto-sim.exe beside the DLL to measure (default: build/win32)
# BEFORE_EXE     optional kesto-sim.exe beside an earlier DLL, measured the same way
# NATIVE_BENCH   the native embed_benchmark (default: build/native/bench)
# BENCH_DIR      where the test files go (default /tmp/zuvo-embed-bench; ~2.6 GB, mostly sparse)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rounds=${1:-9}
export KESTO_SIM_EXE=${KESTO_SIM_EXE:-$root/build/win32/tools/kesto-sim.exe}
dir=${BENCH_DIR:-/tmp/zuvo-embed-bench}
mkdir -p "$dir"
export LANG=C.UTF-8 LC_ALL=C.UTF-8

make_file() {  # name, megabytes (10^6 bytes) of random content
  local file=$dir/$1
  [ -f "$file" ] && [ "$(stat -c %s "$file")" = "$(($2 * 1000000))" ] || head -c "$(($2 * 1000000))" /dev/urandom >"$file"
  cat "$file" >/dev/null  # into the page cache
}
wine_path() { printf 'Z:%s' "${1//\//\\}"; }
set_line() { printf 'ZUVO_Set "Main" "video:vid_intro" "src" "%s"' "$(wine_path "$dir/$1")"; }
field() { sed -n "s/.*\t$1 \([^\t]*\).*/\1/p" | head -1; }  # value after "NAME " in a tab-separated line
median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
sim() { "$root/bin/kesto-sim" "$@"; }

make_file clip100.mp4 100
make_file clip440.mp4 440
make_file clip500.mp4 500
truncate -s 1900M "$dir/sparse1900.mp4"
size100=$(stat -c %s "$dir/clip100.mp4")

echo "== machine"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores; $(free -g | awk '/Mem/ {print $2}') GB RAM"
echo "kernel $(uname -r); $(wine --version); $(base64 --version | head -1)"

echo "== 100 MB: plug-in (ksExecAction to script processor) and base64 -w0, $rounds alternating rounds"
plugin_ms=() coreutils_ms=() floor_ms=() beyond_mb=()
for _ in $(seq "$rounds"); do
  start=$(date +%s%N)
  base64 -w0 "$dir/clip100.mp4" >/dev/null
  coreutils_ms+=("$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN {printf "%.2f", ns / 1e6}')")
  out=$(sim exec --measure 1 "$(set_line clip100.mp4)")
  plugin_ms+=("$(field median_ms <<<"$out")")
  floor_ms+=("$(field touch_floor_ms <<<"$out")")
  line_bytes=$(field line_bytes <<<"$out")
  start_resident=$(grep $'^memory\tstart' <<<"$out" | field peak_resident_mb)
  end_peak=$(grep $'^memory\tend' <<<"$out" | field peak_resident_mb)
  beyond_mb+=("$(awk -v s="$start_resident" -v e="$end_peak" -v l="$line_bytes" 'BEGIN {printf "%.1f", e - s - l / 1048576}')")
done
p=$(printf '%s\n' "${plugin_ms[@]}" | median)
c=$(printf '%s\n' "${coreutils_ms[@]}" | median)
f=$(printf '%s\n' "${floor_ms[@]}" | median)
b=$(printf '%s\n' "${beyond_mb[@]}" | median)
awk -v p="$p" -v c="$c" -v f="$f" -v n="$size100" -v l="$line_bytes" -v b="$b" 'BEGIN {
  printf "plug-in    median %8.2f ms  %7.1f MB/s  (line %d bytes)\n", p, n / p / 1e3, l
  printf "coreutils  median %8.2f ms  %7.1f MB/s\n", c, n / c / 1e3
  printf "ratio (coreutils time / plug-in time): %.2f   goal >= 1.0: %s\n", c / p, (c / p >= 1.0 ? "met" : "not met")
  printf "touch floor: a fresh host block of the line size, every page written once: %.2f ms\n", f
  printf "plug-in work beyond that floor: %.2f ms, %.2f x coreutils time\n", p - f, (p - f) / c
  printf "peak resident beyond the line: %.1f MiB = %.3f x file + 0 (goal <= 0.1 x file + a few MiB: %s)\n",
         b, b * 1048576 / n, (b * 1048576 <= 0.1 * n + 4 * 1048576 ? "met" : "not met") }'

embeds() {  # label, file, megabytes, [kesto-sim.exe]: one run, and whether the data URI went whole
  local out got expected
  out=$(KESTO_SIM_EXE=${4:-$KESTO_SIM_EXE} sim exec --measure 1 "$(set_line "$2")")
  got=$(field line_bytes <<<"$out")
  expected=$((4 * (($3 * 1000000 + 2) / 3)))
  printf '%s: %s (line %s bytes, %s ms; peak resident %s MB)\n' "$1" \
    "$([ "$got" -gt "$expected" ] && echo "embedded, reached the script processor" || echo "sent as its path")" \
    "$got" "$(field median_ms <<<"$out")" "$(grep $'^memory\tend' <<<"$out" | field peak_resident_mb)"
}
# The same kesto-sim and DLL with the large-address-aware flag set in a copy,
# to tell the address space apart from the plug-in.
laa=$dir/laa
mkdir -p "$laa"
cp -f "$(dirname "$KESTO_SIM_EXE")/zuvo_companion.dll" "$laa/"
python3 - "$KESTO_SIM_EXE" "$laa/kesto-sim.exe" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], 'rb').read())
header = struct.unpack_from('<I', data, 0x3c)[0]
flags = struct.unpack_from('<H', data, header + 22)[0]
struct.pack_into('<H', data, header + 22, flags | 0x20)  # IMAGE_FILE_LARGE_ADDRESS_AWARE
open(sys.argv[2], 'wb').write(data)
PY
echo "== large files in kesto-sim (not large-address-aware: 2 GiB, shared with Wine's own mappings)"
embeds "440 MB" clip440.mp4 440
embeds "500 MB" clip500.mp4 500
embeds "500 MB, large-address-aware copy" clip500.mp4 500 "$laa/kesto-sim.exe"

echo "== 1900 MB (sparse): too large for the address space"
out=$(sim exec --measure 1 "$(set_line sparse1900.mp4)" 'ZUVO_GoSub "after"')
grep -E $'^(measure|memory)' <<<"$out" | cut -f1-5
echo "sent as its path instead: $([ "$(field line_bytes <<<"$out" | head -1)" -lt 200 ] && echo yes || echo NO)"

if [ -n "${BEFORE_EXE:-}" ]; then
  echo "== before and after, 20 MB file (and 100 MB for the earlier DLL)"
  make_file clip20.mp4 20
  for exe in "$BEFORE_EXE" "$KESTO_SIM_EXE"; do
    out=$(KESTO_SIM_EXE=$exe sim exec --measure 5 "$(set_line clip20.mp4)")
    s=$(grep $'^memory\tstart' <<<"$out" | field peak_resident_mb)
    e=$(grep $'^memory\tend' <<<"$out" | field peak_resident_mb)
    printf '%s\tmedian_ms %s\tfnv1a %s\tpeak_resident_growth_mb %s\n' "$exe" "$(field median_ms <<<"$out")" \
      "$(field fnv1a <<<"$out")" "$(awk -v s="$s" -v e="$e" 'BEGIN {print e - s}')"
  done
  echo "earlier DLL on 100 MB: $(KESTO_SIM_EXE=$BEFORE_EXE sim exec --measure 1 "$(set_line clip100.mp4)" 2>&1 |
    grep -E 'measure|what|terminate' | tr '\n' ' ' | cut -c1-160)"
fi

native=${NATIVE_BENCH:-$root/build/native/bench/embed_benchmark}
if [ -x "$native" ]; then
  echo "== native Google Benchmark (stand-in platform, 100 MB)"
  ZUVO_BENCH_MB=100 "$native" --benchmark_min_time=0.5 2>/dev/null | grep -E '^BM_'
fi
