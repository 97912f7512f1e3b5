#!/usr/bin/env bash
# A Wine user's own prefix, named by WINEPREFIX in the shell the tests start
# from, with display, DPI and font settings of its owner's (120 DPI, DejaVu
# Sans as the message font, the window manager's frames):
#  - a Wine test, run by ctest from that shell, still passes: it runs in the
#    tree's own prefix, whatever WINEPREFIX, WINEARCH, WINEDEBUG,
#    WINEDLLOVERRIDES, DISPLAY, WINE_DPI, WINE_FONT and WINE_LANG say there;
#  - bin/kesto-sim runs in that prefix as it is (its dialog follows the
#    prefix's 120 DPI), and refuses --dpi, --font and --lang, as bin/wine-run
#    does WINE_DPI, WINE_FONT and WINE_LANG, in one line, with status 2;
#  - afterwards the prefix's settings hold the values they held before.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/scripts/lib/windows_tree.sh"
work=$(mktemp -d)
own=$work/wineprefix
cleanup() {
  WINEPREFIX=$own wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
settings() { python3 "$SOURCE_DIR/tests/lib/wine_settings.py" "$own"; }

# The owner's prefix, given the owner's settings in its first Wine session:
# a copy of WINE_PREFIX_TEMPLATE where that holds one of the tree's
# architecture (as in the emulated machine, where making a prefix takes a
# minute), otherwise made by Wine itself as that session starts.
arch=$(windows_tree_arch "$BUILD_DIR")
loader=wine
[ "$arch" = win64 ] && loader=/usr/lib/wine/wine64
template=${WINE_PREFIX_TEMPLATE:-}
if [ -f "$template/system.reg" ] && grep -qx "#arch=$arch" "$template/system.reg"; then
  cp -a "$template" "$own"
fi
message_font=$(python3 -c '
import struct
name = "DejaVu Sans".encode("utf-16-le").ljust(64, b"\0")
data = struct.pack("<5l8B", -13, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0) + name
print(",".join("%02x" % byte for byte in data))')
cat >"$work/owner.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:00000078

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:00000078

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Decorated"=-
"Managed"=-

[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]
"MessageFont"=hex:$message_font
REG
WINEPREFIX=$own WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \
  "$loader" regedit /S "Z:${work//\//\\}\\owner.reg" </dev/null >/dev/null 2>&1
WINEPREFIX=$own wineserver -w
before=$(settings)
check_equal "the owner's prefix holds the owner's settings" \
  "$(printf '%s\n' 'HKCU\Control Panel\Desktop\LogPixels=dword:00000078' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts\LogPixels=dword:00000078' \
    'HKCU\Software\Wine\X11 Driver\Decorated absent' 'HKCU\Software\Wine\X11 Driver\Managed absent' \
    "HKCU\\Control Panel\\Desktop\\WindowMetrics\\MessageFont=hex:$message_font")" "$before"

# A dialog test, as ctest runs it, from the owner's shell. Each setting
# there would fail it if it reached the test: the prefix's DPI and font
# change the dialog's size, and so do WINE_DPI and WINE_FONT; WINE_LANG
# gives it Arabic texts in a mirrored window; without
# comctl32 no dialog opens. The inner ctest reads a copy of the tree's test
# list, so that its records stay apart from those of the ctest running this.
other_arch=win32
[ "$arch" = win32 ] && other_arch=win64
mkdir "$work/ctest"
grep -v '^subdirs(' "$BUILD_DIR/tests/CTestTestfile.cmake" >"$work/ctest/CTestTestfile.cmake"
out=$(WINEPREFIX=$own WINEARCH=$other_arch WINEDEBUG=+loaddll WINEDLLOVERRIDES='comctl32=d' DISPLAY=:9999 \
  WINE_DPI=120 WINE_FONT=dejavu-condensed WINE_LANG=ar ctest --test-dir "$work/ctest" -R '^wine\.edit_windows$' --output-on-failure 2>&1)
status=$?
check_equal "wine.edit_windows passes from the owner's shell" 0 "$status"
[ "$status" -eq 0 ] || echo "$out" | tail -30
check_contains "and it ran" "0 tests failed out of 1" "$out"

# The tools in the owner's prefix, as it is.
export WINEPREFIX=$own
line='ZUVO_ClearRows "Rect1" "tbl_a"'
inner=$(echo dump | "$SOURCE_DIR/bin/kesto-sim" edit "$line" 2>/dev/null | grep '^window' |
  sed -n 's/.*\tinner \([0-9]*x[0-9]*\)\t.*/\1/p')
width=${inner%x*} height=${inner#*x}
check_equal "kesto-sim's dialog follows the prefix's 120 DPI (430x174 at 96)" yes \
  "$([ "${width:-0}" -ge 537 ] && [ "${height:-0}" -ge 217 ] 2>/dev/null && echo yes || echo "no (${inner:-no dialog})")"

# What would change the prefix's settings is refused before Wine starts.
check_refused() {  # name command...
  local name=$1 stderr status
  shift
  stderr=$("$@" </dev/null 2>&1 >/dev/null)
  status=$?
  check_equal "$name with WINEPREFIX: refused with status 2" 2 "$status"
  check_equal "$name: in one line that names WINEPREFIX" "1 yes" \
    "$(wc -l <<<"$stderr") $(grep -q "WINEPREFIX names ($own)" <<<"$stderr" && echo yes || echo no)"
}
check_refused "kesto-sim --dpi" "$SOURCE_DIR/bin/kesto-sim" edit "$line" --dpi 144
check_refused "kesto-sim --font" "$SOURCE_DIR/bin/kesto-sim" edit "$line" --font dejavu-condensed
check_refused "wine-run WINE_DPI" env WINE_DPI=144 "$SOURCE_DIR/bin/wine-run" cmd /c exit
check_refused "wine-run WINE_FONT" env WINE_FONT=dejavu-condensed "$SOURCE_DIR/bin/wine-run" cmd /c exit
# Wine rewrites a prefix's regional formats when it starts in a locale
# other than the one the prefix last saw, so a language is refused too.
check_refused "kesto-sim --lang" "$SOURCE_DIR/bin/kesto-sim" edit "$line" --lang de
check_refused "wine-run WINE_LANG" env WINE_LANG=de "$SOURCE_DIR/bin/wine-run" cmd /c exit
unset WINEPREFIX

WINEPREFIX=$own wineserver -w
check_equal "the prefix's display, DPI and font settings are as before" "$before" "$(settings)"
finish
