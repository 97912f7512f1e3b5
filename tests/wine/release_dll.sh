#!/usr/bin/env bash
# The release zip's DLL under Wine (the zip tests/release/zip.sh leaves in
# BUILD_DIR/release): it registers through kesto-sim exactly as the built
# one, and its version resource, read back with GetFileVersionInfo, holds
# the project's version.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(cat "$BUILD_DIR/version.txt")
zip=$BUILD_DIR/release/zuvo-companion-$version-win32.zip
[ -f "$zip" ] || { echo "FAIL: no release zip $zip (tests/release/zip.sh makes it)"; exit 1; }
unzip -q "$zip" zuvo_companion.dll -d "$work"
dll=$work/zuvo_companion.dll
wine_dll="Z:${dll//\//\\}"

check_equal "the zip's DLL registers as the built one" "$(cat "$SOURCE_DIR/tests/expected/info.txt")" \
  "$("$KESTO_SIM" --plugin "$wine_dll" info)"
versions=$("$KESTO_SIM" --plugin "$wine_dll" version)
check_equal "kesto-sim version reads the project's version fields" \
  "$("$SOURCE_DIR/build/native/tools/kesto-sim" version)" "$versions"
check_contains "the version resource's version is the zip's" "$(printf 'FileVersion\t%s' "$version")" "$versions"
finish
