#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the package as Debian's build daemons do: in a fresh minimal Debian chroot that holds
# only build-essential and the Build-Depends, without network, as an ordinary user. If it
# builds and its tests pass, debian/control names everything the build needs.
#   build-in-clean-chroot.sh SOURCE_DIR [WORK_DIR]
# Needs root, debootstrap and the mirror of this machine's APT sources (or MIRROR=URL).
# The minimal base is made once in WORK_DIR/base and copied afresh for every build; the
# log, the list of installed packages and the packages land in WORK_DIR/out.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

source_dir=$(realpath "$1")
work=$(realpath -m "${2:-/var/tmp/vexlor-chroot}")
[ "$(id -u)" -eq 0 ] || fail "debootstrap and chroot need root"
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")

# The first mirror that APT here uses for the release itself (not its security or update suites).
configured_mirror() {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2> /dev/null |
        awk -v suite="$suite" '$1 == "deb" { for (i = 2; i < NF; i++) if ($i !~ /^\[/ && $i ~ /:\/\//) { if ($(i + 1) == suite) { print $i; exit } break } }'
    cat /etc/apt/sources.list.d/*.sources 2> /dev/null |
        awk -v suite="$suite" '
            /^[[:space:]]*$/ { if (uris != "" && found) exit; uris = ""; found = 0; next }
            tolower($1) == "uris:" { uris = $2 }
            tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i == suite) found = 1 }
            END { if (uris != "" && found) print uris }'
}
mirror=${MIRROR:-$(configured_mirror | head -n 1)}
[ -n "$mirror" ] || fail "no APT source for $suite found; set MIRROR"

if [ ! -e "$work/base/etc/debian_version" ]; then
    rm -rf "$work/base"
    mkdir -p "$work"
    debootstrap --variant=minbase "$suite" "$work/base" "$mirror"
fi

root=$work/root
out=$work/out
rm -rf "$root" "$out"
mkdir -p "$out"
cp -a "$work/base" "$root"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }

# As on the build daemons: no recommended packages, only what is asked for and what it depends on.
echo 'APT::Install-Recommends "false";' > "$root/etc/apt/apt.conf.d/90no-recommends"
in_root apt-get update
in_root apt-get install -y build-essential
mkdir -p "$root/build/vexlor"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -c) | tar -x -C "$root/build/vexlor"
in_root sh -c 'cd /build/vexlor && apt-get build-dep -y ./'
in_root dpkg-query -W -f '${Package} ${Version}\n' > "$out/installed.txt"

in_root useradd --home-dir /build builder
in_root chown -R builder:builder /build
# No network during the build, when this kernel lets us take it away.
offline=(unshare --net)
"${offline[@]}" true 2> /dev/null || { echo "unshare --net is refused here: building with network"; offline=(); }
started=$SECONDS
"${offline[@]}" chroot --userspec=builder:builder "$root" env -i PATH=/usr/bin:/bin HOME=/build LC_ALL=C.UTF-8 \
    DEB_BUILD_OPTIONS="parallel=$(nproc)" sh -c 'cd /build/vexlor && dpkg-buildpackage -us -uc -b' > "$out/build.log" 2>&1 ||
    { tail -n 60 "$out/build.log"; fail "the build in the clean chroot failed; log in $out/build.log"; }
cp "$root"/build/*.deb "$root"/build/*.buildinfo "$root"/build/*.changes "$out"
grep -E '^(Start|Total) ?[0-9]* ?tests?|tests passed|Test +#' "$out/build.log" || true
echo "built in $((SECONDS - started)) s on $(date -u '+%F %H:%M') UTC from $mirror ($suite) with" \
     "$(wc -l < "$out/installed.txt") packages installed (list in $out/installed.txt):"
ls "$out"/*.deb
