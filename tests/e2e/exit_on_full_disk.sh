#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Exit on a full disk, in the real game: the older report stays byte for byte,
# no temporary file is left, the player is told, and no viewer is started.
#   exit_on_full_disk.sh VEXLOR_EXECUTABLE
# Run it under xvfb-run, as root (it mounts a small tmpfs); exits 77 to be
# counted as skipped where mounting is not allowed.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
vexlor=$(realpath "$1")
work=$(mktemp -d)
disk="$work/disk"
mkdir "$disk" "$work/bin"
pid=
trap 'kill "$pid" 2>/dev/null || true; cd /; umount "$disk" 2>/dev/null || true; rm -rf "$work"' EXIT
mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null || { echo "SKIP: cannot mount a tmpfs here (needs root)"; exit 77; }

cat > "$work/bin/xdg-open" <<SH
#!/bin/sh
touch "$work/viewer-started"
SH
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

printf 'older run\r\n' > "$disk/VexlorOut.txt"
cp "$disk/VexlorOut.txt" "$work/older"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true  # until the disk is full
before=$(ls -A "$disk")

source "$here/windows.sh"
cd "$disk"
"$vexlor" > "$work/run.log" 2>&1 &
pid=$!
leave_splash
xdotool mousemove $((cx + 250)) $((cy + 150)) click 1  # Start
sleep 0.3
xdotool mousemove $((cx + 578)) $((cy + 446)) click 1  # Exit
message=
for _ in $(seq 1 50); do
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = Vexlor ] && message=$w
    done
    [ -n "$message" ] && break
    sleep 0.2
done
[ -n "$message" ] || fail "no message about the report"
[ -z "${SHOT:-}" ] || import -window root "$SHOT"
xdotool windowactivate --sync "$message" 2>/dev/null || xdotool windowfocus --sync "$message" 2>/dev/null || true
xdotool key Return
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2>/dev/null || fail "the game did not end after the message"

cmp -s "$work/older" "$disk/VexlorOut.txt" || fail "the older report changed"
[ "$(ls -A "$disk")" = "$before" ] || fail "files left behind: $(ls -A "$disk")"
sleep 0.5
[ ! -e "$work/viewer-started" ] || fail "a viewer was started on a report that was not written"
echo "full disk: older report kept, message shown, no viewer"
