#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Random clicks and key presses on the real game for a while; it must come out
# alive and still answering. Stays off the two ways out (Exit button, Exit menu).
#   monkey.sh VEXLOR_EXECUTABLE [SECONDS]    (run it under xvfb-run)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
vexlor=$(realpath "$1")
seconds=${2:-300}
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
mkdir bin && printf '#!/bin/sh\nexit 0\n' > bin/xdg-open && chmod +x bin/xdg-open
export PATH="$work/bin:$PATH"

"$vexlor" > "$work/run.log" 2>&1 &
pid=$!
source "$here/windows.sh"
leave_splash
main=$(window_of_size 759)

keys=(Tab space Return Down Up Left Right Escape F1 ctrl+r a b 1 BackSpace shift+Tab)
RANDOM=7
end=$((SECONDS + seconds))
actions=0
while [ $SECONDS -lt $end ]; do
    if [ $((RANDOM % 4)) -eq 0 ]; then
        xdotool key --clearmodifiers "${keys[RANDOM % ${#keys[@]}]}"
    else
        x=$((RANDOM % 759)) y=$((RANDOM % 512 - 20))
        # The Exit button and the menu's Exit end the game: leave them be.
        if { [ $y -ge 427 ] && [ $y -le 465 ] && [ $x -ge 539 ] && [ $x -le 617 ]; } ||
           { [ $y -lt 0 ] && [ $x -ge 170 ]; }; then
            continue
        fi
        xdotool mousemove $((cx + x)) $((cy + y)) click $((RANDOM % 3 == 0 ? 2 : 1)) 2>/dev/null || true
        [ $((RANDOM % 2)) -eq 0 ] && xdotool click 1
    fi
    actions=$((actions + 1))
    sleep 0.02
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the game ended after $actions actions" >&2; exit 1; }
done

# Still answering: an open viewer closes on its button, and then the menu's
# results command opens it again at once.
for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    case "$(xdotool getwindowname "$w")" in
    "Vexlor - Result" | "Vexlor - Help")
        eval "$(xdotool getwindowgeometry --shell "$w")"
        xdotool mousemove $((X + 473)) $((Y + 366)) click 1
        sleep 0.5
        ! xdotool search --all --onlyvisible --pid "$pid" --name '^Vexlor - ' > /dev/null || fail "the viewer did not close"
        ;;
    esac
done
xdotool mousemove $((cx + 40)) $((cy - 10)) click 1
for _ in $(seq 1 25); do
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w")" = "Vexlor - Result" ] && { echo "monkey: $actions actions in $seconds s, still alive and answering"; exit 0; }
    done
    sleep 0.2
done
echo "FAIL: no answer to the results command after $actions actions" >&2
exit 1
