#!/usr/bin/env bash
# The dialog windows of the real DLL under Wine: topmost, framed, centred,
# owned by Kesto's active window or else its main window, a validation
# message owned and answered, and nothing left open when ksEditAction returns.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
start_private_display
keep_wine_session
line='ZUVO_ClearRows "Rect1" "tbl_a"'

out=$(echo dump | "$KESTO_SIM" edit "$line" 2>/dev/null)
status=$?
window=$(grep '^window' <<<"$out")
check_equal "one dialog, framed, topmost, centred, owned by Kesto's main window" \
  "$(printf 'window\t1\tZUVO_ClearRows  -  Clear all table rows\tinner 430x174\tstyles caption sysmenu closebox\ttopmost yes\tcentred yes\towner kesto')" \
  "$window"
check_equal "closed by the close box, nothing left open" "$(printf 'result\t0')" "$(grep -v -E '^(window|control|entry|pick|param)' <<<"$out")"
check_equal "exit status" 0 "$status"

active=$(echo dump | "$KESTO_SIM" edit "$line" --active-window 2>/dev/null | grep '^window' | awk -F'\t' '{print $NF}')
check_equal "owned by the window active in Kesto" "owner kesto-active" "$active"

cancelled=$("$KESTO_SIM" edit "$line" --pick-cancel </dev/null 2>/dev/null)
check_equal "a cancelled pick shows no dialog and writes nothing" \
  "$(printf 'pick\tRect1\nresult\t0\nparam\t0\tRect1\nparam\t1\ttbl_a')" "$cancelled"

refused=$(printf 'type "Table ID:" "  "\nclick OK\ndump\nclick Cancel\n' | "$KESTO_SIM" edit "$line" 2>/dev/null)
check_contains "the validation message is shown and answered" "$(printf 'message\tZUVO_ClearRows\t')" "$refused"
check_contains "the dialog is still open after the message" "$(printf 'window\t1\tZUVO_ClearRows')" "$refused"
check_contains "Cancel afterwards writes nothing" "$(printf 'result\t0\nparam\t0\tRect1\nparam\t1\ttbl_a')" "$refused"

picture=$(mktemp --suffix=.png)
echo "shot $picture" | "$KESTO_SIM" edit "$line" >/dev/null 2>&1
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(); print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8]==b"\x89PNG\r\n\x1a\n" else "none")' "$picture")
width=${size%x*} height=${size#*x}
check_equal "the picture includes the frame around the 430x174 inside" "yes" \
  "$([ "${width:-0}" -gt 430 ] && [ "${height:-0}" -gt 174 ] 2>/dev/null && echo yes || echo "no ($size)")"
bytes=$(stat -c %s "$picture" 2>/dev/null || echo 0)
check_equal "the picture is compressed (a flat dialog: under a tenth of its pixels' bytes)" "yes" \
  "$([ "$bytes" -gt 0 ] && [ "$((bytes * 10))" -lt "$((${width:-0} * ${height:-0} * 3))" ] && echo yes || echo "no ($bytes bytes)")"
rm -f "$picture"
finish
