#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a clean copy of the source tree as Debian does,
# checks it with lintian, installs it, starts the installed game on a virtual
# display, removes it and checks that nothing of it is left; then builds it a
# second time elsewhere and checks that both packages are byte for byte the same.
#   check-package.sh SOURCE_DIR
# Installing needs root (CI is); otherwise the game runs from an unpacked root.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# Under xvfb-run: starts PROGRAM and checks that its splash and main window carry
# the window class that the desktop file DESKTOP_FILE names.
if [ "${1:-}" = --run ]; then
    program=$(realpath "$2") desktop_file=$3
    work=$(mktemp -d)
    pid=
    trap 'kill "$pid" 2> /dev/null; rm -rf "$work"' EXIT
    source "$(dirname "$0")/../tests/e2e/windows.sh"
    (cd "$work" && exec "$program") > "$work/run.log" 2>&1 &
    pid=$!
    wanted=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
    [ -n "$wanted" ] || fail "$desktop_file declares no StartupWMClass"
    check_class() {
        local class
        class=$(xprop -id "$1" WM_CLASS)
        [ "$class" = "WM_CLASS(STRING) = \"vexlor\", \"$wanted\"" ] || fail "$2 window: $class, wanted class $wanted"
    }
    window=$(window_of_size 560)
    check_class "$window" splash
    leave_splash
    window=$(window_of_size 759)
    check_class "$window" main
    kill -0 "$pid" || fail "the game ended by itself: $(cat "$work/run.log")"
    echo "window class: $wanted"
    # Once the window is up, the sound module is found in the package's private folder and loaded.
    for _ in $(seq 1 25); do grep -q libvexlor-cues.so "/proc/$pid/maps" && break; sleep 0.2; done
    grep -q libvexlor-cues.so "/proc/$pid/maps" || fail "the installed game did not load its sound module"
    exit 0
fi

source_dir=$(realpath "$1")
scratch=$(mktemp -d)
installed=
cleanup() {
    if [ -n "$installed" ]; then
        apt-get purge -y vexlor > /dev/null 2>&1 || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# What git tracks or would track, so that build folders inside the tree stay out.
copy_source() {
    mkdir -p "$1"
    if git -C "$source_dir" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
            while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
            tar --null -T - -c) | tar -x -C "$1"
    else
        tar -C "$source_dir" --exclude='./build*' --exclude='./obj-*' --exclude='./.git' -c . | tar -x -C "$1"
    fi
}

# build_package FOLDER: the package from a fresh copy in FOLDER/src, results in FOLDER.
build_package() {
    copy_source "$1/src"
    (cd "$1/src" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b > "$1/build.log" 2>&1) ||
        { tail -n 40 "$1/build.log"; fail "dpkg-buildpackage failed, see above"; }
}

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
arch=$(dpkg --print-architecture)
deb=vexlor_${version}_${arch}.deb

started=$SECONDS
build_package "$scratch/first"
echo "package built in $((SECONDS - started)) s"

step=$SECONDS
lintian_out=$(lintian --fail-on error,warning "$scratch/first/vexlor_${version}_${arch}.changes" 2> "$scratch/lintian.err") ||
    { echo "$lintian_out"; cat "$scratch/lintian.err"; fail "lintian"; }
[ -z "$lintian_out" ] || { echo "$lintian_out"; fail "lintian has something to say"; }
echo "lintian: nothing to report ($((SECONDS - step)) s)"

step=$SECONDS
app=io.github.quelro.Vexlor
if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=300 \
        "$scratch/first/$deb" > "$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; fail "apt-get install"; }
    installed=yes
    root=
    program=$(command -v vexlor) || fail "vexlor is not on PATH after installing"
    [ "$program" = /usr/bin/vexlor ] || fail "vexlor on PATH is $program"
    echo "installed: $(dpkg-query -W -f='${Package} ${Version}, ${Installed-Size} KiB' vexlor)"
else
    echo "not root: skipping apt-get install and removal; running from an unpacked root instead"
    root=$scratch/root
    dpkg-deb -x "$scratch/first/$deb" "$root"
    program=$root/usr/bin/vexlor
fi
desktop-file-validate "$root/usr/share/applications/$app.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" > /dev/null
for size in 16 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
done
for module in cues alsa; do
    find "$root/usr/lib" -path "*/vexlor/libvexlor-$module.so" | grep -q . || fail "the sound module $module is not installed"
done
for wave in tri1 right1 help1 vb b suf g vg wo ex Alarm; do
    test -s "$root/usr/share/vexlor/sounds/$wave.wav"
done
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash "$0" --run "$program" "$root/usr/share/applications/$app.desktop"

if [ -n "$installed" ]; then
    dpkg-query -L vexlor | grep -v '^/\.$' > "$scratch/files"
    apt-get purge -y -o DPkg::Lock::Timeout=300 vexlor > "$scratch/purge.log" 2>&1 || { cat "$scratch/purge.log"; fail "apt-get purge"; }
    installed=
    # A folder may stay only while another package still owns it.
    while IFS= read -r path; do
        if [ -d "$path" ] && [ ! -L "$path" ]; then
            dpkg-query -S "$path" > /dev/null 2>&1 || fail "left after purge: folder $path"
        elif [ -e "$path" ] || [ -L "$path" ]; then
            fail "left after purge: $path"
        fi
    done < "$scratch/files"
    echo "purged: none of its $(wc -l < "$scratch/files") paths left"
fi
echo "install, start and removal took $((SECONDS - step)) s"

# The same commit in another folder, later, under another umask, time zone and locale.
step=$SECONDS
(umask 0002 && export TZ=Asia/Kolkata LC_ALL=C.UTF-8 && build_package "$scratch/second/elsewhere")
for package in "$deb" "vexlor-dbgsym_${version}_${arch}.deb"; do
    cmp "$scratch/first/$package" "$scratch/second/elsewhere/$package" || fail "$package differs between two builds"
    echo "reproducible: $(cd "$scratch/first" && sha256sum "$package")"
done
echo "second build in $((SECONDS - step)) s; package step $((SECONDS - started)) s in all"
