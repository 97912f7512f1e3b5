#!/usr/bin/env bash
# kesto-sim edit's step language in the native build: malformed steps,
# steps that cannot be done, equal captions, answers queued in order, the
# plain picture the headless build draws, and how step files are named.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
sim="$BUILD_DIR/tools/kesto-sim"
line='ZUVO_Items "Rect1" "lst_a" "AddItem" "x"'

printf 'type "Control ID:\n' | "$sim" edit "$line" >/dev/null 2>&1
check_equal "an unbalanced quote is a usage error" 2 $?
printf 'wiggle\n' | "$sim" edit "$line" >/dev/null 2>&1
check_equal "an unknown step is a usage error" 2 $?
printf 'color red\n' | "$sim" edit "$line" >/dev/null 2>&1
check_equal "a colour answer is written #rrggbb" 2 $?

out=$(printf 'type "No Such Label:" x\nclick OK\n' | "$sim" edit "$line")
status=$?
check_contains "a missing label is reported with its line" "$(printf 'error\tline 1\tno label No Such Label:')" "$out"
check_contains "the rest is skipped and the close box ends the session" "$(printf 'result\t0')" "$out"
check_equal "a failed step fails the run" 1 "$status"
out=$(printf 'click "Re-Pick...#2"\n' | "$sim" edit "$line")
check_contains "the second of a caption that exists once is missing" "no button Re-Pick...#2" "$out"
out=$(printf 'click "Pick...#2"\n' | "$sim" edit 'ZUVO_Set "Rect1" "button:btn_ok" "style.background" "#336699"')
check_contains "a name ending in #N past the equal captions is missing" "no button Pick...#2" "$out"

out=$(printf '# a comment with "quotes\n\npick "A ""quoted"" name"\npick-cancel\nclick Re-Pick...\nclick Re-Pick...\necho done\n' |
  "$sim" edit "$line" --pick-same)
check_equal "pick answers are taken in order; quotes doubled inside a word" \
  "$(printf 'pick\tRect1\npick\tRect1\npick\tA "quoted" name\ndone\nresult\t0')" "$(grep -v '^param' <<<"$out")"

out=$("$sim" edit "$line" --pick-cancel </dev/null)
check_equal "a cancelled start pick opens nothing" "$(printf 'pick\tRect1\nresult\t0')" "$(grep -v '^param' <<<"$out")"

picture=$(mktemp --suffix=.png)
printf 'shot %s\n' "$picture" | "$sim" edit "$line" >/dev/null
check_equal "the headless picture is a valid PNG of the inner size" "510x316" "$(python3 - "$picture" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
assert data[:8] == b"\x89PNG\r\n\x1a\n"
width, height = struct.unpack(">II", data[16:24])
at, idat = 8, b""
while at < len(data):
    size, kind = struct.unpack(">I4s", data[at:at + 8])
    body = data[at + 8:at + 8 + size]
    assert zlib.crc32(kind + body) == struct.unpack(">I", data[at + 8 + size:at + 12 + size])[0]
    if kind == b"IDAT":
        idat += body
    at += 12 + size
assert len(zlib.decompress(idat)) == height * (width * 3 + 1)
print("%dx%d" % (width, height))
PY
)"
rm -f "$picture"

misnamed=$(cd "$SOURCE_DIR/tests/steps" && ls | grep -v -E '^[a-z0-9]+(-[a-z0-9]+)*\.(steps|expected)$')
check_equal "step files are named in lower case with hyphens" "" "$misnamed"
finish
