# The emulated i386-capable machine (bin/guest): where its image is kept
# and how it boots. Sourced; $root is the repository's root.
#
# The image lives outside the clone, in ZUVO_GUEST_CACHE (default
# /var/cache/zuvo-companion), so every clone on a machine shares it. Its
# folder is named by a hash of the recipe (package list, build script, init),
# so a changed recipe makes a new image and an unchanged one is reused.

guest_cache=${ZUVO_GUEST_CACHE:-/var/cache/zuvo-companion}

guest_recipe_hash() {
  cat "$root/scripts/lib/guest-packages.txt" "$root/scripts/lib/guest-init.sh" \
      "$root/scripts/guest-image.sh" | sha256sum | cut -c1-16
}

guest_image_dir() {
  echo "$guest_cache/guest-$(guest_recipe_hash)"
}

# Boots the image of IMAGE_DIR with SHARE as the shared folder (the job in
# SHARE/job, its output and status written back there) and, when given, the
# disk image TREE_DISK mounted at TREE_PATH. Writes to the root disk are
# kept only with GUEST_KEEP_ROOT=1. Returns 124 when the machine was still
# running after SECONDS and had to be stopped.
guest_boot() {  # image_dir share seconds [tree_disk tree_path]
  local image=$1 share=$2 seconds=$3 tree_disk=${4:-} tree_path=${5:-}
  local snapshot=on append
  [ "${GUEST_KEEP_ROOT:-0}" = 1 ] && snapshot=off
  append="console=ttyS0 root=/dev/vda rw init=/sbin/zuvo-guest-init panic=1 quiet loglevel=3"
  local disks=(-drive "file=$image/root.img,format=raw,if=virtio,snapshot=$snapshot")
  if [ -n "$tree_disk" ]; then
    disks+=(-drive "file=$tree_disk,format=raw,if=virtio")
    append+=" zuvo.tree=$tree_path"
  fi
  # -cpu max without SMAP: with it, this emulator faults the IRET that
  # 32-bit Wine's ntdll returns through, and every Windows process dies.
  timeout --kill-after=10 "$seconds" \
    qemu-system-x86_64 -machine q35 -accel tcg,thread=multi -cpu max,-smap \
      -smp "${GUEST_CPUS:-2}" -m "${GUEST_MEMORY:-8G}" \
      -kernel "$image/vmlinuz" -initrd "$image/initrd.img" -append "$append" \
      "${disks[@]}" \
      -virtfs "local,path=$share,mount_tag=share,security_model=none,id=share" \
      -display none -monitor none -serial "file:$share/console.log" -nic none -no-reboot
}
