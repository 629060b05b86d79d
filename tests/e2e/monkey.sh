#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Random clicks and key presses on the real game for a while, off its two ways out (the Exit
# button and the menu's Exit); it must come out alive and still answering.
#   monkey.sh VEXLOR_EXECUTABLE [SECONDS]    (under xvfb-run)
seconds=${2:-300}
source "$(dirname "$(realpath "$0")")/game.sh"
start_game
keys=(Tab space Return Down Up Left Right Escape F1 ctrl+r a b 1 BackSpace shift+Tab)
RANDOM=7
end=$((SECONDS + seconds)) actions=0
while [ $SECONDS -lt $end ]; do
    if [ $((RANDOM % 4)) -eq 0 ]; then
        xdotool key --clearmodifiers "${keys[RANDOM % ${#keys[@]}]}"
    else
        x=$((RANDOM % 759)) y=$((RANDOM % 512 - 20))
        (((y >= 427 && y <= 465 && x >= 539 && x <= 617) || (y < 0 && x >= 170))) && continue
        xdotool mousemove $((cx + x)) $((cy + y)) click $((RANDOM % 3 == 0 ? 2 : 1)) 2> /dev/null || true
        [ $((RANDOM % 2)) -eq 0 ] && xdotool click 1
    fi
    actions=$((actions + 1))
    sleep 0.02
    kill -0 "$pid" 2> /dev/null || fail "the game ended after $actions actions"
done

# Still answering: an open viewer closes on its button, and the menu's results command opens it again.
for w in $(xdotool search --onlyvisible --name '^Vexlor - (Result|Help)$' 2> /dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    click $((X + 473)) $((Y + 366)) 0.5
    ! xdotool search --onlyvisible --name '^Vexlor - ' > /dev/null || fail "the viewer did not close"
done
click $((cx + 40)) $((cy - 10)) 0
[ "$(xdotool getwindowname "$(window_of_size 526)")" = "Vexlor - Result" ] || fail "no answer to the results command"
echo "monkey: $actions actions in $seconds s, alive and answering"
