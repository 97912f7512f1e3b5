#!/usr/bin/env bash
# Builds a release: dist/zuvo-companion-VERSION-win32.zip with the plug-in
# stripped of debug sections, INSTALL.txt, the property reference as one
# HTML page in English (properties.html) and one in each dialog language
# (properties.de.html, ...), and SHA256SUMS.txt. Two runs on the same commit give the same
# bytes: the DLL carries no link time, and every member of the zip has a
# fixed time (the commit's), mode and place.
# DIST_DIR names another folder for the zip.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
./scripts/setup.sh
./scripts/build.sh

version=$(cat build/win32/version.txt)
name=zuvo-companion-$version-win32
dist=${DIST_DIR:-$root/dist}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# strip writes the time of day into the PE header unless told a time: none.
SOURCE_DATE_EPOCH=0 i686-w64-mingw32-strip -o "$stage/zuvo_companion.dll" build/win32/zuvo_companion.dll

# Windows line ends for the people who open it in Notepad.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' packaging/INSTALL.txt >"$stage/INSTALL.txt"

# The property reference from the same source as docs/properties.md, with
# the heading anchors that its links use (the converter writes none). A
# translated heading brings the English one's anchor as " {#anchor}".
heading_ids() {
  perl -pe 's{<(h[1-6])>(.*?)</\1>}{
    my ($tag, $text, $id) = ($1, $2);
    if ($text =~ s/ \{#([\w-]+)\}$//) {
      $id = $1;
    } else {
      ($id = lc $text) =~ s/<[^>]*>|&#?\w+;//g;
      $id =~ s/[^\w\- ]//g;
      $id =~ tr/ /-/;
    }
    "<$tag id=\"$id\">$text</$tag>"
  }ge'
}
catalogue=build/native/tools/zuvo-catalogue
# The reference's Markdown on standard input becomes the page named; its
# language and writing direction go on the html element, and the template's
# "@RTL@ " lines of style apply only to a right-to-left page.
write_page() {  # file name, language, ltr or rtl
  local direction=()
  if [ "$3" = rtl ]; then direction=(-e 's/@DIR@/ dir="rtl"/' -e 's/^@RTL@ //')
  else direction=(-e 's/@DIR@//' -e '/^@RTL@ /d'); fi
  cmark-gfm --extension table --to html | heading_ids >"$stage/body.html"
  sed -e "s/@VERSION@/$version/g" -e "s/@LANG@/$2/" "${direction[@]}" \
    -e "/^@BODY@\$/{r $stage/body.html" -e 'd}' packaging/properties.html.in >"$stage/$1"
  rm "$stage/body.html"
}
"$catalogue" | write_page properties.html en ltr
# The tool fails when a language lacks a translation of a text the page shows.
"$catalogue" --languages >"$stage/languages.txt"
while IFS=$'\t' read -r language direction; do
  "$catalogue" --language "$language" | write_page "properties.$language.html" "$language" "$direction"
done <"$stage/languages.txt"
rm "$stage/languages.txt"

members=$(cd "$stage" && LC_ALL=C ls)
(cd "$stage" && sha256sum $members >SHA256SUMS.txt)

epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 1767225600)}
chmod 0644 "$stage"/*
TZ=UTC touch -d "@$epoch" "$stage"/*
mkdir -p "$dist"
rm -f "$dist/$name.zip"
# -X: no owner ids or extra time fields; -D: no folder entries; names sorted.
(cd "$stage" && LC_ALL=C ls | TZ=UTC zip -X -D -q "$dist/$name.zip" -@)
echo "$dist/$name.zip"
