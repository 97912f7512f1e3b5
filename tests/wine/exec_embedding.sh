#!/usr/bin/env bash
# ZUVO_Set embedding real files through the real DLL under Wine: an image
# from a Wine path, random content through the vector encoder the DLL picks
# here, the sample publication, a file another process holds open
# exclusively, and files too large to embed.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
work=$(mktemp -d)
helper_pid=
cleanup() {
  touch "$work/release"
  [ -n "$helper_pid" ] && wait "$helper_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

wine_path() { printf 'Z:%s' "${1//\//\\}"; }  # Wine's Z: drive is the root
escaped() { printf '%s' "${1//\\/\\\\}"; }      # backslashes doubled, as in a script literal
set_line() {  # control, property, value as sent
  printf "send\tTavixExecScript \"R\" \"window.ZUVO.setProp('%s','%s','%s');\" \"\" \"[ZUVO.ExecResult]\"\nresult\t1" "$1" "$2" "$3"
}

logo="$SOURCE_DIR/examples/media/logo.png"
logo_path=$(wine_path "$logo")
check_equal "an image embedded from a Wine path" \
  "$(set_line img src "data:image/png;base64,$(base64 -w0 "$logo")")" \
  "$("$KESTO_SIM" exec "ZUVO_Set \"R\" \"image:img\" \"src\" \"$logo_path\"")"
check_equal "bgImage never embeds" "$(set_line img bgImage "$(escaped "$logo_path")")" \
  "$("$KESTO_SIM" exec "ZUVO_Set \"R\" \"image:img\" \"bgImage\" \"$logo_path\"")"

# Random content of a length that leaves every tail (whole vectors, single
# triples, padding): the DLL's own choice of encoder, AVX2 on a processor
# that has it, against coreutils.
head -c 100001 /dev/urandom >"$work/random.mp4"
random_path=$(wine_path "$work/random.mp4")
check_equal "random content embeds as coreutils encodes it" \
  "$(set_line v src "data:video/mp4;base64,$(base64 -w0 "$work/random.mp4")")" \
  "$("$KESTO_SIM" exec "ZUVO_Set \"R\" \"v\" \"src\" \"$random_path\"")"

sample=$(cd "$SOURCE_DIR/examples" && "$KESTO_SIM" run sample-publication.txt)
check_equal "the sample publication runs every line" "21" "$(grep -c $'^result\t1$' <<<"$sample")"
check_contains "the sample publication embeds its logo" \
  "'img_logo','src','data:image/png;base64,$(base64 -w0 "$logo")');" "$sample"

# A file held open with no sharing by another process is sent as its path.
printf 'locked' >"$work/locked.txt"
"$SOURCE_DIR/bin/wine-run" "$BUILD_DIR/tests/hold_file_exclusively.exe" "$(wine_path "$work/locked.txt")" "$(wine_path "$work/ready")" \
  "$(wine_path "$work/release")" &
helper_pid=$!
for _ in $(seq 300); do [ -e "$work/ready" ] && break; sleep 0.1; done
check_equal "the helper holds the file" "yes" "$([ -e "$work/ready" ] && echo yes)"
locked_path=$(wine_path "$work/locked.txt")
check_equal "a file held exclusively is sent as its path" "$(set_line f src "$(escaped "$locked_path")")" \
  "$("$KESTO_SIM" exec "ZUVO_Set \"R\" \"f\" \"src\" \"$locked_path\"")"
touch "$work/release"
wait "$helper_pid"
helper_pid=
check_equal "once released it embeds" "$(set_line f src "data:text/plain;base64,$(base64 -w0 "$work/locked.txt")")" \
  "$("$KESTO_SIM" exec "ZUVO_Set \"R\" \"f\" \"src\" \"$locked_path\"")"

# Sparse files: one of 2 GiB and more, one whose data URI would not fit a
# 32-bit process, and one whose line would be a character longer than the
# web view's longest string (536870888). All go as text, whole, and the
# process lives on.
truncate -s 2500M "$work/huge.mp4"
truncate -s 1900M "$work/large.mp4"
# The line of "R", "v", "src" around the base64 text (ASCII: bytes are characters).
around=$(($("$KESTO_SIM" exec --measure 1 "ZUVO_Set \"R\" \"v\" \"src\" \"$random_path\"" |
  sed -n 's/.*\tline_bytes \([0-9]*\).*/\1/p') - $(base64 -w0 "$work/random.mp4" | wc -c)))
truncate -s $(((536870888 - around) / 4 * 3 + 1)) "$work/limit.mp4"
huge_path=$(wine_path "$work/huge.mp4")
large_path=$(wine_path "$work/large.mp4")
limit_path=$(wine_path "$work/limit.mp4")
check_equal "too large to embed: sent as paths" \
  "$(set_line v src "$(escaped "$huge_path")")"$'\n'"$(set_line v src "$(escaped "$large_path")")"$'\n'"$(
    set_line v src "$(escaped "$limit_path")")"$'\n'"$(printf 'send\tGoSub "after"\nresult\t1')" \
  "$("$KESTO_SIM" exec "ZUVO_Set \"R\" \"v\" \"src\" \"$huge_path\"" "ZUVO_Set \"R\" \"v\" \"src\" \"$large_path\"" \
      "ZUVO_Set \"R\" \"v\" \"src\" \"$limit_path\"" 'ZUVO_GoSub "after"')"
finish
