#!/usr/bin/env bash
# Builds a release: dist/zuvo-companion-VERSION-win32.zip with the plug-in
# stripped of debug sections, INSTALL.txt, the property reference as one
# HTML page, and SHA256SUMS.txt. Two runs on the same commit give the same
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
# the heading anchors that its links use (the converter writes none).
heading_ids() {
  perl -pe 's{<(h[1-6])>(.*?)</\1>}{
    my ($tag, $text) = ($1, $2);
    (my $id = lc $text) =~ s/<[^>]*>|&#?\w+;//g;
    $id =~ s/[^\w\- ]//g;
    $id =~ tr/ /-/;
    "<$tag id=\"$id\">$text</$tag>"
  }ge'
}
build/native/tools/zuvo-catalogue | cmark-gfm --extension table --to html | heading_ids >"$stage/body.html"
sed -e "s/@VERSION@/$version/g" -e "/^@BODY@\$/{r $stage/body.html" -e 'd}' packaging/properties.html.in \
  >"$stage/properties.html"
rm "$stage/body.html"

(cd "$stage" && sha256sum INSTALL.txt properties.html zuvo_companion.dll >SHA256SUMS.txt)

epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 1767225600)}
chmod 0644 "$stage"/*
TZ=UTC touch -d "@$epoch" "$stage"/*
mkdir -p "$dist"
rm -f "$dist/$name.zip"
# -X: no owner ids or extra time fields; -D: no folder entries; names sorted.
(cd "$stage" && LC_ALL=C ls | TZ=UTC zip -X -D -q "$dist/$name.zip" -@)
echo "$dist/$name.zip"
