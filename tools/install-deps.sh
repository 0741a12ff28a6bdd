#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the utility
# needs. Idempotent: packages already present are left alone, and the package
# lists are refreshed (once) only when something is missing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    # core tests, benchmarks, fuzzing
    libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
    # user interface
    qt6-base-dev qt6-qpa-plugins libgl-dev libjpeg62-turbo-dev fonts-liberation2
    # running without a display: virtual X server and screenshots
    xvfb xauth x11-apps x11-utils imagemagick
    # the Windows build of the core, tested under Wine
    g++-mingw-w64-x86-64-posix googletest wine wine64
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${missing[*]}" >&2
    echo "install-deps: run as root (or with sudo) to install them" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
