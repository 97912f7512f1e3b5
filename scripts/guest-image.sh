#!/usr/bin/env bash
# Makes the image of the emulated i386-capable machine (bin/guest) in the
# cache of scripts/lib/guest.sh, unless it is there already: Debian bookworm
# for amd64 with the i386 packages of scripts/lib/guest-packages.txt, as an
# ext4 disk image with its kernel and initrd beside it. The image is then
# booted once to make a 32-bit Wine prefix in it, which runs copy instead of
# making their own (that takes a minute or more under emulation).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/guest.sh"
image=$(guest_image_dir)
[ -f "$image/ready" ] && exit 0
mkdir -p "$guest_cache"
exec 9>"$guest_cache/build.lock"
flock 9
[ -f "$image/ready" ] && exit 0  # made meanwhile by another clone's run
work=$(mktemp -d "$guest_cache/build.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "guest-image: making $image (10 to 15 minutes)" >&2

packages=$(grep -v -e '^#' -e '^$' "$root/scripts/lib/guest-packages.txt" | paste -sd,)
bootstrap() {  # suites...
  local suite sources=()
  for suite in "$@"; do sources+=("deb http://deb.debian.org/$suite main"); done
  rm -rf "$work/rootfs"
  mmdebstrap --quiet --variant=apt --architectures=amd64,i386 --include="$packages" \
    --aptopt='APT::Install-Recommends "false"' \
    --customize-hook="install -m 755 '$root/scripts/lib/guest-init.sh' \"\$1/sbin/zuvo-guest-init\"" \
    bookworm "$work/rootfs" "${sources[@]}"
}
# A mirror caught in the middle of a sync serves an index that its release
# file does not describe, and the whole bootstrap fails. The machine only
# runs the project's tests, offline: where the security suite cannot be
# had, it is made from the release and its updates alone.
if ! bootstrap "debian bookworm" "debian bookworm-updates" "debian-security bookworm-security"; then
  echo "guest-image: the security suite could not be read; making the machine without it" >&2
  bootstrap "debian bookworm" "debian bookworm-updates"
fi
cp "$work"/rootfs/boot/vmlinuz-* "$work/vmlinuz"
cp "$work"/rootfs/boot/initrd.img-* "$work/initrd.img"
# Room for the Wine prefix and whatever a run writes (the disk is sparse).
size=$(( $(du -sm "$work/rootfs" | cut -f1) + 2048 ))
truncate -s "${size}M" "$work/root.img"
mke2fs -q -t ext4 -L guest -d "$work/rootfs" "$work/root.img"
rm -rf "$work/rootfs"

# The prefix as bin/wine-run would leave it for 96 DPI: made by wineboot,
# with the display's DPI and the X11 driver's settings already set.
mkdir "$work/share"
cat >"$work/share/job" <<'JOB'
set -eu
export WINEARCH=win32 WINEPREFIX=/opt/zuvo-companion/wineprefix-win32 WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
mkdir -p "$WINEPREFIX"
wine wineboot -i
wineserver -w
for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
  wine reg add "$key" /v LogPixels /t REG_DWORD /d 96 /f
done
for value in Decorated Managed; do
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /d N /f
done
wineserver -w
test -f "$WINEPREFIX/system.reg"
JOB
status=0
GUEST_KEEP_ROOT=1 guest_boot "$work" "$work/share" 900 || status=$?
if [ "$status" != 0 ] || [ "$(cat "$work/share/status" 2>/dev/null)" != 0 ]; then
  echo "guest-image: making the Wine prefix in the new machine failed (qemu $status):" >&2
  tail -n 30 "$work/share/output" "$work/share/console.log" >&2 2>/dev/null || true
  exit 1
fi
rm -rf "$work/share"
touch "$work/ready"
rm -rf "$image"
mv "$work" "$image"
echo "guest-image: ready" >&2
