#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, as root.
# Idempotent and quiet: packages already present are not fetched again.
# Usage: setup.sh [browser]   ("browser" adds Chromium for the browser tests)
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

need=()
for p in cmake g++ make googletest libgtest-dev libbenchmark-dev \
         g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev \
         wine wine32:i386 wine64 fonts-wine fonts-dejavu-extra fonts-wqy-microhei xvfb xauth python3 \
         libpng-dev cmark-gfm zip unzip clang libclang-rt-dev \
         qemu-system-x86 mmdebstrap e2fsprogs; do
  have "$p" || need+=("$p")
done
if [ "${1:-}" = browser ]; then
  have chromium || need+=(chromium)
  command -v node >/dev/null && command -v npm >/dev/null || need+=(nodejs npm)
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  apt-get -o DPkg::Lock::Timeout=900 update -qq >/dev/null
  apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
