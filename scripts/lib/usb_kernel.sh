# shellcheck shell=bash
# Debian's stock kernel, unpacked (never installed) for booting in QEMU: the
# usb stage runs our tools against the kernel's own usblp, dummy_hcd and printer
# gadget drivers. Source it; it defines functions only.
#
#   usb_kernel_ensure    fetches and unpacks the kernel once (later calls need no mirror)
#   usb_kernel_dir       prints the folder that holds boot/ and lib/modules/
#
# The kernel lives outside the clone (ZEV_USB_KERNEL_CACHE, default
# /var/cache/zev-kernel) so that every clone shares it. It is unpacked in a side
# folder and moved into place with its marker only when complete; concurrent
# callers wait for each other on a lock.

ZEV_USB_KERNEL_CACHE=${ZEV_USB_KERNEL_CACHE:-/var/cache/zev-kernel}
# The meta package names the kernel package of the day; the first fetch pins it.
ZEV_USB_KERNEL_META=linux-image-amd64

usb_kernel_marker() { printf '%s/.zev-kernel-ready' "$ZEV_USB_KERNEL_CACHE"; }

usb_kernel_dir() { printf '%s/root' "$ZEV_USB_KERNEL_CACHE"; }

usb_kernel_ready() { [[ -f $(usb_kernel_marker) && -d $(usb_kernel_dir)/boot ]]; }

usb_kernel_ensure() {
  usb_kernel_ready && return 0
  mkdir -p "$ZEV_USB_KERNEL_CACHE"
  (
    flock 9
    usb_kernel_ready && exit 0
    usb_kernel_fetch
  ) 9>"$ZEV_USB_KERNEL_CACHE.lock"
}

usb_kernel_fetch() {
  local package work
  package=$(apt-cache depends "$ZEV_USB_KERNEL_META" 2>/dev/null | awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
  [[ -n $package ]] || { echo "usb kernel: no kernel package behind $ZEV_USB_KERNEL_META (apt-get update?)" >&2; return 1; }
  work=$(mktemp -d "$ZEV_USB_KERNEL_CACHE/fetch.XXXXXX")
  # apt drops its rights while downloading; the folder must be open to it.
  chmod 755 "$work"
  if ! (cd "$work" && apt-get download -q "$package" && dpkg-deb -x ./*.deb root &&
    depmod -b root "$(ls root/lib/modules)"); then
    rm -rf "$work"
    return 1
  fi
  rm -rf "$(usb_kernel_dir)"
  mv "$work/root" "$(usb_kernel_dir)"
  rm -rf "$work"
  echo "$package" >"$(usb_kernel_marker)"
}
