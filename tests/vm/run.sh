#!/usr/bin/env bash
# The kernel HID path under test: boots Debian's stock kernel in qemu with the
# simulated mouse behind /dev/uhid and runs tavroctl, with the production hidraw
# backend, against it. Usage: run.sh <build-dir>
# Skips (exit 0, saying why) only where it cannot run at all: the VM is Debian's amd64
# kernel, which cannot run programs built for another architecture. Anything else that
# keeps it from running (a tool missing, the kernel package not fetched) fails it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=$build/vm
mkdir -p "$work"

skip() { echo "VM test skipped: $*"; exit 0; }
fail() { echo "VM test FAILED: $*"; exit 1; }
arch=$(dpkg --print-architecture)
[ "$arch" = amd64 ] || skip "it boots Debian's amd64 kernel, which cannot run the $arch programs built here"
for tool in qemu-system-x86_64 busybox cpio xz apt-get dpkg-deb; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (bash scripts/install-deps.sh installs it)"
done
tavroctl=$build/bin/tavroctl
mouse=$build/sim/tavro-uhid-mouse
[ -x "$tavroctl" ] && [ -x "$mouse" ] || fail "tavroctl or tavro-uhid-mouse not built in $build"

started=$(date +%s%N)
seconds_since() { local ms=$(( ($(date +%s%N) - $1) / 1000000 )); printf "%d.%03d" $((ms / 1000)) $((ms % 1000)); }
kernel=$(bash "$here/kernel.sh" "$work/kernel") || fail "the kernel package could not be fetched or unpacked"
echo "kernel: $(basename "$kernel")"

# The initramfs: busybox, the three modules, the two programs with the shared
# libraries they load, five test profiles and the scenario.
stage=$work/stage
rm -rf "$stage"
mkdir -p "$stage"/{bin,lib/modules,data,proc,sys,dev,tmp}
cp "$(command -v busybox)" "$stage/bin/"
for applet in $("$stage/bin/busybox" --list); do
    [ "$applet" = busybox ] || ln -s busybox "$stage/bin/$applet"
done
cp "$kernel"/modules/*.ko "$stage/lib/modules/"
cp "$tavroctl" "$mouse" "$stage/bin/"
for program in "$tavroctl" "$mouse"; do
    for lib in $(ldd "$program" | grep -o '/[^ ]*'); do
        mkdir -p "$stage$(dirname "$lib")"
        cp -L "$lib" "$stage$lib"
    done
done
for slot in 0 1 3 4; do
    "$tavroctl" new --slot $slot -o "$stage/data/Default$((slot + 1)).profile"
done
cp "$here/../fuzz/corpus/profile/with-macro" "$stage/data/Default3.profile"
cp "$here/init" "$stage/init"
cp "$here/scenario.sh" "$stage/scenario.sh"
(cd "$stage" && find . | cpio -o -H newc -R 0:0 --quiet | gzip -1) >"$work/initrd.gz"
echo "initramfs: $(du -k "$work/initrd.gz" | cut -f1) KiB"

# One retry of the boot at most, and only when the VM gave no verdict.
for attempt in 1 2; do
    boot_start=$(date +%s%N)
    set +e
    bash "$here/boot.sh" "$kernel" "$work/initrd.gz" "$work/serial.log" 180
    verdict=$?
    set -e
    tr -d '\r' <"$work/serial.log" | grep -av '^\s*$' | sed -n '/== the mouse/,$p'
    echo "boot and scenario: $(seconds_since "$boot_start") s (attempt $attempt)"
    [ $verdict -eq 2 ] || break
    tail -n 20 "$work/serial.log"
done
echo "VM job wall time: $(seconds_since "$started") s"
case $verdict in
    0) echo "VM test passed" ;;
    1) echo "VM test FAILED"; exit 1 ;;
    *) echo "VM test FAILED: no verdict from the VM"; exit 1 ;;
esac
