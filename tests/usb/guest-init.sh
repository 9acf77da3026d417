#!/bin/busybox sh
# /init of the usb stage's guest: loads the USB and 9p modules, mounts the
# host's root read-only and the results folder, runs the checks in the host's
# root (its shell, libraries and builds) and powers off.
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
exec >/dev/console 2>&1

if grep -q zev.probe=1 /proc/cmdline; then
  echo "zev-probe: ok"
  poweroff -f
fi

. /settings
while read -r module; do
  case $module in
    dummy_hcd.ko) insmod /modules/$module num=2 ;;
    *) insmod /modules/$module ;;
  esac
done </modules/order
mount -t configfs none /sys/kernel/config

mount -t 9p -o trans=virtio,version=9p2000.L,ro,cache=loose host /host
mount -t 9p -o trans=virtio,version=9p2000.L results /host$results
# A proc of its own, so the sanitizers find their processes' tasks.
mount -t proc proc /host/proc
for fs in sys dev; do mount --rbind /$fs /host/$fs; done
# Scratch space in a tmpfs of its own. Not over /tmp: the checkout and its
# results folder may lie there (a CI clone does), and would be hidden.
mount -t tmpfs run /host/run
mkdir /host/run/tmp

chroot /host /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/run/tmp TMPDIR=/run/tmp \
  /bin/bash "$checks" "$results" "$release" "$sanitized" 2>&1 | tee /host$results/guest.log
sync
poweroff -f
