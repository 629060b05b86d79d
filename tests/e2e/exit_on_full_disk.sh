#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Exit on a full tmpfs in the real game: older report kept byte for byte, no file left, player told, no viewer.
# Under xvfb-run, as root (77 = skipped):  exit_on_full_disk.sh VEXLOR_EXECUTABLE
source "$(dirname "$(realpath "$0")")/game.sh"
disk="$work/disk"
mkdir "$disk"
trap 'set +e; kill -9 $(jobs -p) 2> /dev/null; wait 2> /dev/null; cd /; umount "$disk" 2> /dev/null; rm -rf "$work"' EXIT
mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null || { echo "SKIP: cannot mount a tmpfs here (needs root)"; exit 77; }

printf 'older run\r\n' | tee "$work/older" > "$disk/VexlorOut.txt"
dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true  # until the disk is full
before=$(ls -A "$disk")

cd "$disk"
start_game
click $((cx + 250)) $((cy + 150))  # Start
xdotool mousemove $((cx + 578)) $((cy + 446)) click 1  # Exit
# The message box, named like the game; the splash of that name is gone by now.
message=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vexlor$' | head -n 1) || fail "no message about the report"
xdotool windowactivate --sync "$message" 2>/dev/null || xdotool windowfocus --sync "$message" 2>/dev/null || true
xdotool key Return
timeout 5 tail --pid="$pid" -f /dev/null || fail "the game did not end after the message"

cmp -s "$work/older" "$disk/VexlorOut.txt" || fail "the older report changed"
[ "$(ls -A "$disk")" = "$before" ] || fail "files left behind: $(ls -A "$disk")"
sleep 0.5
[ ! -e "$VIEWER_RECORD" ] || fail "a viewer was started on a report that was not written"
echo "full disk: older report kept, message shown, no viewer"
