#!/usr/bin/env bash
# End-to-end benchmark of file embedding through the real DLL under Wine:
# ZUVO_Set on a 100 MB file, timed from ksExecAction to the arrival of the
# line at kesto-sim's script processor, in alternating rounds with GNU
# coreutils `base64 -w0` encoding the same file to /dev/null, and with the
# same DLL built with an encoder that costs nothing (the bound of this
# path); then the largest file whose line the web view can take and one
# byte more, 400 MB, a file too large for a 32-bit process, and the native
# Google Benchmark of the encoders and the embed path.
#
#   ./scripts/build.sh && bench/run-embed-benchmark.sh [ROUNDS]     (default 5)
#
# KESTO_SIM_EXE  kesto-sim.exe beside the DLL to measure (default: build/win32)
# BEFORE_EXE     optional kesto-sim.exe beside an earlier DLL, measured the same way
# FREE_EXE       kesto-sim.exe beside a DLL built with ZUVO_BENCH_FREE_ENCODER; by
#                default built here, in build/bench-free-encoder (never shipped)
# BENCH_TOOLCHAIN  CMake toolchain of that build (default cmake/mingw-i686.cmake)
# BENCH_WINE     a Wine loader to run kesto-sim.exe with directly, in WINEPREFIX,
#                instead of bin/kesto-sim (for a 64-bit build: .../wine64)
# NATIVE_BENCH   the native embed_benchmark (default: build/native/bench)
# BENCH_DIR      where the test files go (default /tmp/zuvo-embed-bench; ~3 GB, mostly sparse)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rounds=${1:-5}
export KESTO_SIM_EXE=${KESTO_SIM_EXE:-$(source "$root/scripts/lib/windows_tree.sh"; windows_tree)/tools/kesto-sim.exe}
dir=${BENCH_DIR:-/tmp/zuvo-embed-bench}
mkdir -p "$dir"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
longest_string=536870888  # the web view's longest string, in characters

make_file() {  # name, megabytes (10^6 bytes) of random content
  local file=$dir/$1
  [ -f "$file" ] && [ "$(stat -c %s "$file")" = "$(($2 * 1000000))" ] || head -c "$(($2 * 1000000))" /dev/urandom >"$file"
  cat "$file" >/dev/null  # into the page cache
}
wine_path() { printf 'Z:%s' "${1//\//\\}"; }
set_line() { printf 'ZUVO_Set "Main" "video:vid_intro" "src" "%s"' "$(wine_path "$dir/$1")"; }
field() { sed -n "s/.*\t$1 \([^\t]*\).*/\1/p" | head -1; }  # value after "NAME " in a tab-separated line
median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
sim() {
  if [ -n "${BENCH_WINE:-}" ]; then WINEDEBUG=-all "$BENCH_WINE" "$KESTO_SIM_EXE" "$@" 2>/dev/null
  else "$root/bin/kesto-sim" "$@"; fi
}
sim_with() { KESTO_SIM_EXE=$1 sim "${@:2}"; }

# The benchmark's own build of the DLL with the free encoder.
if [ -z "${FREE_EXE:-}" ]; then
  free_tree=$root/build/bench-free-encoder
  [ -f "$free_tree/CMakeCache.txt" ] || cmake -S "$root" -B "$free_tree" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DZUVO_BENCH_FREE_ENCODER=ON -DCMAKE_TOOLCHAIN_FILE="${BENCH_TOOLCHAIN:-$root/cmake/mingw-i686.cmake}" >/dev/null
  cmake --build "$free_tree" -j 2 --target kesto-sim >/dev/null
  cp -f "$free_tree/zuvo_companion.dll" "$free_tree/tools/"
  FREE_EXE=$free_tree/tools/kesto-sim.exe
fi

make_file clip100.mp4 100
make_file clip400.mp4 400
printf 'abc' >"$dir/tiny.mp4"
truncate -s 1900M "$dir/sparse1900.mp4"
size100=$(stat -c %s "$dir/clip100.mp4")

echo "== machine"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores; $(free -g | awk '/Mem/ {print $2}') GB RAM"
echo "kernel $(uname -r); $(wine --version 2>/dev/null || echo wine); $(base64 --version | head -1)"
echo "load before the run: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== 100 MB: coreutils base64 -w0, the plug-in, the plug-in with a free encoder${BEFORE_EXE:+, the earlier plug-in}; $rounds alternating rounds"
declare -A ms
beyond_mb=()
time_plugin() {  # label, kesto-sim.exe: one run, its time added to the label's list
  local out
  out=$(sim_with "$2" exec --measure 1 "$(set_line clip100.mp4)")
  ms[$1]+="$(field median_ms <<<"$out") "
  if [ "$1" = plugin ]; then
    ms[floor]+="$(field touch_floor_ms <<<"$out") "
    line_bytes=$(field line_bytes <<<"$out")
    checksum=$(field fnv1a <<<"$out")
    local s e
    s=$(grep $'^memory\tstart' <<<"$out" | field peak_resident_mb)
    e=$(grep $'^memory\tend' <<<"$out" | field peak_resident_mb)
    beyond_mb+=("$(awk -v s="$s" -v e="$e" -v l="$line_bytes" 'BEGIN {printf "%.1f", e - s - l / 1048576}')")
  fi
}
for _ in $(seq "$rounds"); do
  start=$(date +%s%N)
  base64 -w0 "$dir/clip100.mp4" >/dev/null
  ms[coreutils]+="$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN {printf "%.2f", ns / 1e6}') "
  time_plugin plugin "$KESTO_SIM_EXE"
  time_plugin free "$FREE_EXE"
  if [ -n "${BEFORE_EXE:-}" ]; then time_plugin before "$BEFORE_EXE"; fi
done
med() { tr ' ' '\n' <<<"${ms[$1]}" | grep . | median; }
c=$(med coreutils) p=$(med plugin) f=$(med free) t=$(med floor)
b=$(printf '%s\n' "${beyond_mb[@]}" | median)
awk -v c="$c" -v p="$p" -v f="$f" -v t="$t" -v n="$size100" -v l="$line_bytes" -v b="$b" -v k="$checksum" 'BEGIN {
  printf "coreutils   median %8.2f ms  %7.1f MB/s\n", c, n / c / 1e3
  printf "plug-in     median %8.2f ms  %7.1f MB/s  ratio %.2f (goal >= 0.9: %s)  line %d bytes, fnv1a %s\n",
         p, n / p / 1e3, c / p, (c / p >= 0.9 ? "met" : "not met"), l, k
  printf "free coder  median %8.2f ms  %7.1f MB/s  ratio %.2f (the bound of this path)\n", f, n / f / 1e3, c / f
  printf "touch floor (a fresh block of the line size, one write per page): %.2f ms\n", t
  printf "peak resident beyond the line: %.1f MiB (goal <= 0.1 x file + 8 MiB = %.1f MiB: %s)\n",
         b, (0.1 * n + 8 * 1048576) / 1048576, (b * 1048576 <= 0.1 * n + 8 * 1048576 ? "met" : "not met") }'
if [ -n "${BEFORE_EXE:-}" ]; then
  awk -v c="$c" -v e="$(med before)" 'BEGIN {printf "earlier     median %8.2f ms  ratio %.2f\n", e, c / e}'
fi

embeds() {  # label, file, bytes: one run, and whether the data URI went whole
  local out got
  out=$(sim exec --measure 1 "$(set_line "$2")")
  got=$(field line_bytes <<<"$out")
  printf '%s: %s (line %s bytes, %s ms; peak resident %s MB)\n' "$1" \
    "$([ "$got" -gt "$((4 * ($3 / 3)))" ] && echo "embedded, reached the script processor" || echo "sent as its path")" \
    "$got" "$(field median_ms <<<"$out")" "$(grep $'^memory\tend' <<<"$out" | field peak_resident_mb)"
}
echo "== the web view's longest string: $longest_string characters for the whole line"
around=$(($(sim exec --measure 1 "$(set_line tiny.mp4)" | field line_bytes) - 4))
largest=$(((longest_string - around) / 4 * 3))
truncate -s "$largest" "$dir/limit.mp4"
embeds "largest file whose line fits, $largest bytes (sparse)" limit.mp4 "$largest"
truncate -s "$((largest + 1))" "$dir/limit.mp4"
embeds "one byte more, $((largest + 1)) bytes" limit.mp4 "$((largest + 1))"
embeds "400 MB" clip400.mp4 400000000

echo "== 1900 MB (sparse): past the web view's limit and a 32-bit address space"
out=$(sim exec --measure 1 "$(set_line sparse1900.mp4)" 'ZUVO_GoSub "after"')
grep -E $'^(measure|memory)' <<<"$out" | cut -f1-5
echo "sent as its path instead: $([ "$(field line_bytes <<<"$out" | head -1)" -lt 200 ] && echo yes || echo NO)"

native=${NATIVE_BENCH:-$root/build/native/bench/embed_benchmark}
if [ -x "$native" ]; then
  echo "== native Google Benchmark (stand-in platform, 100 MB)"
  ZUVO_BENCH_MB=100 "$native" --benchmark_min_time=0.5 2>/dev/null | grep -E '^BM_'
fi
echo "load after the run: $(cut -d' ' -f1-3 /proc/loadavg)"
