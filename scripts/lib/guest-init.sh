#!/bin/bash
# The guest machine's first and only process (bin/guest boots it as init):
# mounts what programs need, mounts the work tree's disk at the path the
# kernel's command line names (zuvo.tree=), runs the job that the host left
# on the shared folder with its output and exit status written back there,
# then powers off. The root file system is made read-only before power-off
# so its journal is left clean.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
export HOME=/root LANG=C.UTF-8
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /run
mount -t tmpfs -o size=80% tmpfs /tmp
echo guest >/proc/sys/kernel/hostname
modprobe 9pnet_virtio
modprobe 9p
mkdir -p /run/share
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144 share /run/share
tree=$(tr ' ' '\n' </proc/cmdline | sed -n 's/^zuvo\.tree=//p')
if [ -n "$tree" ]; then
  mkdir -p "$tree"
  mount /dev/vdb "$tree"
fi
if [ -f /run/share/job ]; then
  (cd "${tree:-/}" && exec bash /run/share/job) >/run/share/output 2>&1 </dev/null
  echo $? >/run/share/status
fi
# Whatever the job left running (Xvfb, wineserver) holds files open.
kill -KILL -1 2>/dev/null
sleep 1
sync
[ -n "$tree" ] && umount "$tree"
umount /run/share
mount -o remount,ro /
echo o >/proc/sysrq-trigger
sleep 60
