#!/usr/bin/env bash
# scripts/release.sh, run twice: the same bytes both times (the second run
# links the DLL again); the zip holds exactly its files; the DLL has no
# debug sections and the version of the zip's name; the checksums verify;
# INSTALL.txt has Windows line ends; the property page holds every property
# and refers to nothing outside itself; the page in each dialog language
# has the English page's names and values with translated descriptions.
# The zip is left in BUILD_DIR/release for tests/wine/release_dll.sh.
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

languages=(ar de es fr it ja ko nl pl pt-BR ru zh-CN)
translated_pages=$(printf 'properties.%s.html\n' "${languages[@]}")
check_equal "exactly these files, in this order" \
  "$(printf 'INSTALL.txt\nSHA256SUMS.txt\n%s\nproperties.html\nzuvo_companion.dll' "$translated_pages" | LC_ALL=C sort)" \
  "$(unzip -Z1 "$zip")"
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

check_equal "the checksums name the other files" "$(unzip -Z1 "$zip" | grep -v -x SHA256SUMS.txt)" \
  "$(awk '{print $2}' "$files/SHA256SUMS.txt")"
(cd "$files" && sha256sum --check --quiet SHA256SUMS.txt)
check_equal "the checksums verify" 0 $?

install=$files/INSTALL.txt
check_equal "INSTALL.txt: every line ends in CRLF" "$(wc -l <"$install")" "$(grep -c $'\r$' "$install")"
check_contains "INSTALL.txt names the version" "ZUVO Companion $version" "$(cat "$install")"
check_contains "INSTALL.txt lists the translated pages" "properties.pt-BR.html" "$(cat "$install")"

page=$files/properties.html
missing=$("$native_tools/zuvo-catalogue" --tsv | cut -f3 | sort -u |
  while read -r property; do grep -q -F "<code>$property</code>" "$page" || echo "$property"; done)
check_equal "the page holds every property of the catalogue" "" "$missing"
check_equal "every table row of the reference is on the page" \
  "$("$native_tools/zuvo-catalogue" | grep -c '^| ')" "$(grep -c '<tr>' "$page")"
check_contains "the English page is in English, left to right" '<html lang="en">' "$(cat "$page")"

for file in properties.html $translated_pages; do
  check_equal "$file: nothing loaded from elsewhere" "" \
    "$(grep -o -i -E '<script|<link|<img|<iframe|src=|url\(|@import' "$files/$file")"
  dead=$(grep -o 'href="[^"]*"' "$files/$file" | sed 's/^href="//; s/"$//' | sort -u |
    while read -r target; do
      [[ $target == "#"* ]] && grep -q "id=\"${target#\#}\"" "$files/$file" || echo "$target"
    done)
  check_equal "$file: every link is to a heading of the page" "" "$dead"
  check_equal "$file: no placeholder or anchor marker left" "" "$(grep -o -E '@[A-Z]+@|\{#[a-z-]+\}' "$files/$file")"
done

# The table rows without their translated cells: a property row without its
# description, a control-type row with its link's target for its name.
names_and_values() {  # page
  perl -0777 -ne 'while (m{<tr>(.*?)</tr>}sg) {
    my @cells = $1 =~ m{<t[dh]>(.*?)</t[dh]>}sg;
    splice(@cells, 2, 1) if @cells == 4 && $cells[0] =~ /^<code>/;
    $cells[0] =~ s{^<a href="([^"]*)">.*</a>$}{$1};
    print join("\t", @cells), "\n";
  }' "$1"
}
english_rows=$(names_and_values "$page")
# A description's English text and its translation in a language's table.
translation_of() {  # English text, language
  local source=$SOURCE_DIR/editors/translations/texts_$(echo "$2" | tr 'A-Z-' 'a-z_').cpp
  grep -F "{u\"$1\", u\"" "$source" | sed 's/.*", u"//; s/"},$//'
}
for language in "${languages[@]}"; do
  translated=$files/properties.$language.html
  check_equal "$language: the names, kinds and values of the English page" "$english_rows" \
    "$(names_and_values "$translated")"
  for description in "Text label on the button face" "Slider direction"; do
    check_contains "$language: the translation of \"$description\"" \
      "<td>$(translation_of "$description" "$language")</td>" "$(cat "$translated")"
    check_equal "$language: not \"$description\" in English" "" "$(grep -o -F "<td>$description</td>" "$translated")"
  done
  check_contains "$language: the Button heading, translated, with the English anchor" \
    "<h2 id=\"button\">$(translation_of Button "$language")</h2>" "$(cat "$translated")"
  direction=$([ "$language" = ar ] && echo ' dir="rtl"')
  check_contains "$language: the page's language and direction" "<html lang=\"$language\"$direction>" \
    "$(cat "$translated")"
done
check_contains "Arabic: code reads left to right" "code { direction: ltr; unicode-bidi: isolate; }" \
  "$(cat "$files/properties.ar.html")"
check_equal "only Arabic is laid out right to left" "properties.ar.html" \
  "$(cd "$files" && grep -l -F 'dir="rtl"' ./*.html | sed 's|^\./||')"

# The zip stays in the tree for the test of its DLL under Wine
# (tests/wine/release_dll.sh).
rm -rf "$BUILD_DIR/release"
mkdir -p "$BUILD_DIR/release" && cp "$zip" "$BUILD_DIR/release/"
finish
