#!/usr/bin/env bash
# Boots the test VM once. Usage: boot.sh <kernel-dir> <initrd> <serial-log> <timeout-s>
# Exit: 0 the scenario passed, 1 it failed, 2 no verdict (boot trouble or timeout).
set -uo pipefail
kernel_dir=$1 initrd=$2 log=$3 limit=$4

accel=()
# Software-backed KVM (no vmx/svm) is slower than plain emulation and dies on
# instructions it cannot emulate, so it is used only when the CPU really has it.
if [ -r /dev/kvm ] && [ -w /dev/kvm ] && grep -qE '\b(vmx|svm)\b' /proc/cpuinfo; then
    accel=(-enable-kvm)
fi

timeout --kill-after=10 "$limit" qemu-system-x86_64 "${accel[@]}" \
    -m 512 -smp 1 -nographic -no-reboot -nic none \
    -device isa-debug-exit,iobase=0xf4,iosize=0x04 \
    -kernel "$kernel_dir/vmlinux" -initrd "$initrd" \
    -append "console=ttyS0 quiet panic=-1" >"$log" 2>&1
status=$?

verdict=$(grep -ao 'VM-RESULT rc=[0-9]*' "$log" | tail -n1)
case "$status:$verdict" in
    "1:VM-RESULT rc=0") exit 0 ;;
    3:VM-RESULT*) exit 1 ;;
    *) echo "no verdict from the VM (qemu status $status)" >&2; exit 2 ;;
esac
