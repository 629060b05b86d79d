#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (Debian 12), builds, and then plays or tests.
#   bash build.sh play   build and start the game
#   bash build.sh test   build and run every test, then the core tests under ASan+UBSan
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing need.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
          libgif-dev fonts-liberation fonts-dejavu-core libpulse-dev libasound2-dev)
# What the tests add: a virtual screen, scripted clicks and screenshots, the accessibility bus, and
# both sound servers, which the sound tests run privately in a scratch folder. Installing a
# second server also enables its user service for desktop logins (see the README).
test_packages=(xvfb xauth xdotool imagemagick desktop-file-utils appstream strace locales dbus
               at-spi2-core python3-pyatspi pulseaudio pulseaudio-utils sox
               pipewire-bin pipewire-pulse wireplumber)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
}

sanitized_core_tests() {
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXLOR_SANITIZE=ON -DVEXLOR_CORE_TESTS_ONLY=ON
    cmake --build build-asan --target core_tests
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan -L core --output-on-failure
}

case "${1:-play}" in
play)
    install_missing
    build
    exec build/bin/vexlor
    ;;
test)
    # The Debian package is built as Debian does and checked (ctest -L package).
    packages+=("${test_packages[@]}" build-essential debhelper lintian reuse x11-utils autopkgtest)
    install_missing
    build
    ctest --test-dir build --output-on-failure -LE monkey
    sanitized_core_tests
    ;;
*)
    echo "usage: bash build.sh [play|test]" >&2
    exit 2
    ;;
esac
