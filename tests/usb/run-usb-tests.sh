#!/usr/bin/env bash
# Boots Debian's stock kernel in QEMU and runs zev-status against zev-gadget
# through the kernel's own drivers: usblp on the host side, dummy_hcd and the
# printer gadget on the device side (tests/usb/guest-checks.sh). The host's
# root is shared read-only; the guest writes only to build/usb/results.
#
#   bash tests/usb/run-usb-tests.sh [RELEASE_BUILD [SANITIZED_BUILD]]
#
# Defaults: build/linux-release (zev-status, zev-gadget) and build/linux (a
# sanitized zev-status, skipped with a note when absent).
set -euo pipefail

# The physical path: the guest resolves links against its own root, not the host's.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
cd "$root"
release=$(realpath "${1:-build/linux-release}")
sanitized=$(realpath -m "${2:-build/linux}")
for tool in zev-status zev-gadget; do
  [[ -x $release/$tool ]] || { echo "usb: $release/$tool is missing: build the linux-release preset" >&2; exit 1; }
done

source scripts/lib/usb_kernel.sh
usb_kernel_ensure
kernel=$(usb_kernel_dir)
version=$(ls "$kernel/lib/modules")

work=$root/build/usb
rm -rf "$work"
mkdir -p "$work/initramfs"/{bin,proc,sys,dev,host,results,modules} "$work/results"

# The initramfs: busybox, the module closure in load order, and /init.
cp /bin/busybox "$work/initramfs/bin/busybox"
for module in configfs usblp dummy_hcd libcomposite usb_f_printer virtio_pci 9pnet_virtio 9p; do
  modprobe -d "$kernel" -S "$version" --show-depends "$module"
done | awk '$1 == "insmod" && !seen[$2]++ {print $2}' >"$work/modules.txt"
while read -r ko; do cp "$ko" "$work/initramfs/modules/"; basename "$ko"; done <"$work/modules.txt" \
  >"$work/initramfs/modules/order"
cp tests/usb/guest-init.sh "$work/initramfs/init"
chmod +x "$work/initramfs/init"
cat >"$work/initramfs/settings" <<SETTINGS
checks=$root/tests/usb/guest-checks.sh
results=$work/results
release=$release
sanitized=$sanitized
SETTINGS
(cd "$work/initramfs" && find . | cpio -o -H newc --quiet | gzip -1) >"$work/initramfs.gz"

# boot MODE SECONDS EXTRA_CMDLINE: the guest powers itself off; the time limit
# catches a guest that does not.
boot() {
  local accel=$1 limit=$2 extra=$3
  timeout --kill-after=5 "$limit" qemu-system-x86_64 -machine q35,accel="$accel" -m 1024 -smp 1 \
    -kernel "$kernel/boot/vmlinuz-$version" -initrd "$work/initramfs.gz" \
    -append "console=ttyS0 panic=-1 quiet loglevel=3 $extra" \
    -virtfs local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap \
    -virtfs local,path="$work/results",mount_tag=results,security_model=none \
    -display none -serial stdio -no-reboot -monitor none
}

# KVM hangs at boot on some machines: a short probe boot decides.
accel=tcg
if [[ -w /dev/kvm ]] && boot kvm 6 zev.probe=1 2>/dev/null | grep -q 'zev-probe: ok'; then
  accel=kvm
fi
echo "usb: booting linux $version with $accel"
started=$SECONDS
boot "$accel" 240 "" | tee "$work/console.log" | grep --line-buffered -E '^(ok|FAIL|figure|note|zev-)' || true
echo "usb: guest ran $((SECONDS - started)) s"
[[ -f $work/results/exit ]] || { echo "usb: the guest ended without a result (see $work/console.log)" >&2; exit 1; }

# The same read on the emulated bus: from the optimised benchmarks when built
# (scripts/bench.sh), else from the test build's, which the sanitizers slow.
for bench in build/bench/zev_bench "$sanitized/zev_bench"; do
  [[ -x $bench ]] || continue
  "$bench" --benchmark_filter=ReadDeviceIdAndDecodeStatus 2>/dev/null |
    awk -v from="$bench" '/^BM_/ {print "figure: device-ID read and decode on the emulated bus: " $2 " " $3 " (" from ")"}'
  break
done
exit "$(cat "$work/results/exit")"
