#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages from a clean copy of the source tree as
# Debian does, running the tests that need no display, and checks them with lintian;
# installs the package and runs its autopkgtest on it, which starts the installed game on
# a virtual display; removes it and checks that nothing of it is left. Meanwhile it builds
# the package a second time elsewhere and checks that both are byte for byte the same.
#   check-package.sh SOURCE_DIR
# Installing needs root (CI is); otherwise the game runs from an unpacked root.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

source_dir=$(realpath "$1")
scratch=$(mktemp -d)
installed=
second=
cleanup() {
    [ -z "$second" ] || kill -- "-$second" 2> /dev/null || true
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

# build_package FOLDER OPTION...: the package from the copy in FOLDER/src, results in FOLDER.
build_package() {
    local folder=$1
    shift
    (cd "$folder/src" && dpkg-buildpackage -us -uc "$@" > "$folder/build.log" 2>&1) ||
        { tail -n 40 "$folder/build.log"; fail "dpkg-buildpackage failed, see above"; }
}

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
upstream_version=${version%-*}
arch=$(dpkg --print-architecture)
deb=vexlor_${version}_${arch}.deb
jobs=parallel=$(nproc)

# The first build makes the source package too, from an upstream tarball of the same tree,
# and runs the display-free tests. Not through ccache: its rewriting of paths changes the debug info.
started=$SECONDS
copy_source "$scratch/first/src"
tar -C "$scratch/first/src" --exclude=./debian --transform "s,^\.,vexlor-$upstream_version," \
    -cJf "$scratch/first/vexlor_$upstream_version.orig.tar.xz" .
(export DEB_BUILD_OPTIONS=$jobs CCACHE_DISABLE=1 && build_package "$scratch/first")
grep -q -E '100% tests passed, 0 tests failed out of [1-9]' "$scratch/first/build.log" ||
    fail "the package build ran no tests: $(grep -A3 'ctest' "$scratch/first/build.log" | head -n 20)"
echo "package built in $((SECONDS - started)) s; $(grep -o '[0-9]* tests failed out of [0-9]*' "$scratch/first/build.log")"

# The same commit in another folder, later, under another umask, time zone and locale, without
# the tests the first build ran; in the background while the first is checked.
set -m
(umask 0002 && export TZ=Asia/Kolkata LC_ALL=C.UTF-8 DEB_BUILD_OPTIONS="$jobs nocheck" CCACHE_DISABLE=1 &&
    copy_source "$scratch/second/elsewhere/src" && build_package "$scratch/second/elsewhere" -b --no-pre-clean && echo "second build: $((SECONDS - started)) s") &
second=$!
set +m

step=$SECONDS
lintian_out=$(lintian --fail-on error,warning "$scratch/first/vexlor_${version}_${arch}.changes" 2> "$scratch/lintian.err") ||
    { echo "$lintian_out"; cat "$scratch/lintian.err"; fail "lintian"; }
[ -z "$lintian_out" ] || { echo "$lintian_out"; fail "lintian has something to say"; }
echo "lintian: nothing to report on the source and binary packages ($((SECONDS - step)) s)"

step=$SECONDS
app=io.github.quelro.Vexlor
if [ "$(id -u)" -eq 0 ]; then
    # The package's own autopkgtest installs it with its test dependencies, then runs on it.
    installed=yes
    autopkgtest -q -o "$scratch/autopkgtest" "$scratch/first/$deb" "$scratch/first/src" -- null \
        > "$scratch/autopkgtest.log" 2>&1 || { cat "$scratch/autopkgtest.log"; fail "autopkgtest"; }
    grep -E '^start-game +PASS' "$scratch/autopkgtest/summary" > /dev/null ||
        { cat "$scratch/autopkgtest.log"; fail "autopkgtest did not pass start-game"; }
    sed -n 's/^\(window class\|sound module loaded\): /autopkgtest start-game: &/p' "$scratch/autopkgtest/log"
    root=
    program=$(command -v vexlor) || fail "vexlor is not on PATH after installing"
    [ "$program" = /usr/bin/vexlor ] || fail "vexlor on PATH is $program"
    echo "installed: $(dpkg-query -W -f='${Package} ${Version}, ${Installed-Size} KiB' vexlor)"
else
    echo "not root: skipping apt-get install, autopkgtest and removal; running from an unpacked root instead"
    root=$scratch/root
    dpkg-deb -x "$scratch/first/$deb" "$root"
    bash "$scratch/first/src/debian/tests/start-game" "$root"
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

wait "$second" || fail "the second build failed"
second=
for package in "$deb" "vexlor-dbgsym_${version}_${arch}.deb"; do
    cmp "$scratch/first/$package" "$scratch/second/elsewhere/$package" || fail "$package differs between two builds"
    echo "reproducible: $(cd "$scratch/first" && sha256sum "$package")"
done
echo "package step $((SECONDS - started)) s in all"
