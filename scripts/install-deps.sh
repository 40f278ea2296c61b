#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, runs and tests with.
# Idempotent: asks apt only for what is missing, and refreshes the package
# lists only when something is missing.
set -euo pipefail

packages=(
    # build
    cmake g++ make ninja-build pkg-config clang-format
    # tests: the format check lists the tracked files with git
    git libgtest-dev libgmock-dev
    # device link: hidraw backend and hot-plug
    libhidapi-dev libudev-dev
    # command-line tool
    nlohmann-json3-dev
    # user interface and desktop services
    qt6-base-dev libglib2.0-dev gsettings-desktop-schemas libxcb1-dev libxcb-xinput-dev
    # X11 keyboard watching and web addresses, tested against a private X server
    xvfb libxcb-xtest0-dev
    # skin fonts
    fonts-inter fonts-liberation
    # fuzzing
    clang-14 libclang-rt-14-dev
    # kernel HID path test in a small VM: qemu, the initramfs tools, and xz to unpack
    # Debian's kernel
    qemu-system-x86 busybox-static cpio kmod xz-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo -n)
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
