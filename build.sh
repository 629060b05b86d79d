#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (Debian 12), builds, and then plays or tests.
#   bash build.sh play   build and start the game
#   bash build.sh test   build with every warning an error and run every test, then the quiz rules
#                        and the card reader under ASan+UBSan, and the sound threads under TSan
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing need.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
          libgif-dev fonts-liberation fonts-dejavu-core libpulse-dev libasound2-dev libsqlite3-dev)
# What the tests add: a virtual screen, scripted clicks and screenshots, the accessibility bus, Orca with
# its speech server and a window manager, and
# both sound servers, which the sound tests run privately in a scratch folder. Installing a
# second server also enables its user service for desktop logins (see the README).
test_packages=(xvfb xauth xdotool imagemagick desktop-file-utils appstream strace locales dbus
               at-spi2-core python3-pyatspi pulseaudio pulseaudio-utils sox
               pipewire-bin pipewire-pulse wireplumber fonts-liberation2
               orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox)

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

# Configures, builds and tests one preset of CMakePresets.json.
preset() {
    cmake --preset "$1"
    cmake --build --preset "$1"
}

case "${1:-play}" in
play)
    install_missing
    preset dev
    exec build/bin/vexlor
    ;;
test)
    # The Debian package is built as Debian does and checked (ctest -L package).
    packages+=("${test_packages[@]}" build-essential debhelper lintian reuse x11-utils autopkgtest)
    install_missing
    python3 tools/plant-faults --check
    preset ci
    ctest --preset ci
    preset asan
    ctest --preset asan
    preset tsan
    ctest --preset tsan
    ;;
*)
    echo "usage: bash build.sh [play|test]" >&2
    exit 2
    ;;
esac
