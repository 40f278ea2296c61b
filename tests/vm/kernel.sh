#!/usr/bin/env bash
# Fetches Debian's stock kernel package without installing it and unpacks what the
# VM needs: an uncompressed kernel for a direct PVH boot and the three HID modules.
# Usage: kernel.sh <cache-dir>; prints the folder holding vmlinux and modules/.
set -euo pipefail
cache=$1
mkdir -p "$cache"
cd "$cache"

package=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
[ -n "$package" ] || { echo "no kernel package known to apt" >&2; exit 1; }
version=${package#linux-image-}
out=$cache/$version
if [ -f "$out/vmlinux" ] && [ -f "$out/modules/hid-generic.ko" ]; then
    echo "$out"
    exit 0
fi

deb=$(ls "$package"_*.deb 2>/dev/null | head -1 || true)
if [ -z "$deb" ]; then
    apt-get download -q "$package" >&2 2>/dev/null || apt-get download "$package" >&2
    deb=$(ls "$package"_*.deb | head -1)
fi
echo "kernel package: $deb" >&2

rm -rf unpack && mkdir unpack
# The modules must come from the same package as the kernel: name them by version.
dpkg-deb --fsys-tarfile "$deb" | tar -x -C unpack \
    "./boot/vmlinuz-$version" \
    "./lib/modules/$version/kernel/drivers/hid/hid.ko" \
    "./lib/modules/$version/kernel/drivers/hid/uhid.ko" \
    "./lib/modules/$version/kernel/drivers/hid/hid-generic.ko"

mkdir -p "$out/modules"
cp unpack/lib/modules/"$version"/kernel/drivers/hid/*.ko "$out/modules/"
# vmlinuz wraps an xz stream; the bare ELF boots directly (PVH), skipping the slow
# decompression under software emulation.
vmlinuz=unpack/boot/vmlinuz-$version
LC_ALL=C grep -m1 -obUaP '\xFD7zXZ\x00' "$vmlinuz" > unpack/offsets
offset=$(LC_ALL=C sed -n '1s/:.*//p' unpack/offsets)
tail -c +$((offset + 1)) "$vmlinuz" > unpack/kernel.xz
xz -dc --single-stream unpack/kernel.xz > "$out/vmlinux.tmp"
mv "$out/vmlinux.tmp" "$out/vmlinux"
rm -rf unpack
echo "$out"
