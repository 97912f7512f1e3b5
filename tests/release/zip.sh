#!/usr/bin/env bash
# scripts/release.sh, run twice: the same bytes both times (the second run
# links the DLL again); the zip holds exactly its four files; the DLL has no
# debug sections and the version of the zip's name; the checksums verify;
# INSTALL.txt has Windows line ends; the property page holds every property
# and refers to nothing outside itself. The zip is left in BUILD_DIR/release
# for tests/wine/release_dll.sh.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
native_tools=$SOURCE_DIR/build/native/tools

release() {  # folder for the zip
  DIST_DIR=$1 "$SOURCE_DIR/scripts/release.sh" >"$work/release.log" 2>&1 ||
    { echo "FAIL: release.sh"; cat "$work/release.log"; exit 1; }
}
release "$work/first"
version=$(cat "$BUILD_DIR/version.txt")
name=zuvo-companion-$version-win32.zip
check_equal "one zip, named by the version" "$name" "$(ls "$work/first")"
zip=$work/first/$name

rm -f "$BUILD_DIR/zuvo_companion.dll"
release "$work/second"
cmp -s "$zip" "$work/second/$name"
check_equal "a second run gives the same bytes" 0 $?

check_equal "exactly these files, in this order" \
  "$(printf 'INSTALL.txt\nSHA256SUMS.txt\nproperties.html\nzuvo_companion.dll')" "$(unzip -Z1 "$zip")"
files=$work/files
mkdir -p "$files" && unzip -q "$zip" -d "$files"
dll=$files/zuvo_companion.dll

check_equal "no debug sections" "" "$(i686-w64-mingw32-objdump -h "$dll" | grep -o '\.debug[a-z_]*')"
# Stripping takes only the debug sections: every section the loader maps
# holds the same bytes as in the DLL the other tests run.
objdump=i686-w64-mingw32-objdump
changed=$($objdump -h "$dll" | awk '$2 ~ /^\./ {print $2}' | while read -r section; do
  cmp -s <($objdump -s -j "$section" "$dll" | tail -n +4) \
         <($objdump -s -j "$section" "$BUILD_DIR/zuvo_companion.dll" | tail -n +4) || echo "$section"
done)
check_equal "the zip's DLL maps the built DLL's sections, byte for byte" "" "$changed"
check_contains "no link time in the PE header" "Time/Date		Thu Jan  1 00:00:00 1970" \
  "$(i686-w64-mingw32-objdump -p "$dll")"
check_equal "the version resource's version, as stored" "$(printf 'FileVersion\n%s\nProductVersion\n%s' "$version" "$version")" \
  "$(strings -el "$dll" | grep -A1 -x -E 'FileVersion|ProductVersion')"

check_equal "the checksums name the other files" "INSTALL.txt properties.html zuvo_companion.dll " \
  "$(awk '{printf "%s ", $2}' "$files/SHA256SUMS.txt")"
(cd "$files" && sha256sum --check --quiet SHA256SUMS.txt)
check_equal "the checksums verify" 0 $?

install=$files/INSTALL.txt
check_equal "INSTALL.txt: every line ends in CRLF" "$(wc -l <"$install")" "$(grep -c $'\r$' "$install")"
check_contains "INSTALL.txt names the version" "ZUVO Companion $version" "$(cat "$install")"

page=$files/properties.html
missing=$("$native_tools/zuvo-catalogue" --tsv | cut -f3 | sort -u |
  while read -r property; do grep -q -F "<code>$property</code>" "$page" || echo "$property"; done)
check_equal "the page holds every property of the catalogue" "" "$missing"
check_equal "every table row of the reference is on the page" \
  "$("$native_tools/zuvo-catalogue" | grep -c '^| ')" "$(grep -c '<tr>' "$page")"
check_equal "nothing loaded from elsewhere" "" "$(grep -o -i -E '<script|<link|<img|<iframe|src=|url\(|@import' "$page")"
dead=$(grep -o 'href="[^"]*"' "$page" | sed 's/^href="//; s/"$//' | sort -u |
  while read -r target; do
    [[ $target == "#"* ]] && grep -q "id=\"${target#\#}\"" "$page" || echo "$target"
  done)
check_equal "every link is to a heading of the page" "" "$dead"

# The zip stays in the tree for the test of its DLL under Wine
# (tests/wine/release_dll.sh).
rm -rf "$BUILD_DIR/release"
mkdir -p "$BUILD_DIR/release" && cp "$zip" "$BUILD_DIR/release/"
finish
