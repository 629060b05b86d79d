# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that drive the real game: finding its windows.
# Expects $pid, the game's process.

fail() { echo "FAIL: $*" >&2; exit 1; }

# The visible window of the game with the given width, waiting for it to appear.
window_of_size() {
    for _ in $(seq 1 50); do
        for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            [ "$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')" = "$1" ] && { echo "$w"; return; }
        done
        sleep 0.2
    done
    fail "no window $1 pixels wide"
}

# Presses "OK" on the splash and sets cx, cy to the main window's client origin
# (the bottom 492 pixels of the window, under its menu bar).
leave_splash() {
    local splash main
    splash=$(window_of_size 560)
    eval "$(xdotool getwindowgeometry --shell "$splash")"
    xdotool mousemove $((X + 521)) $((Y + 441)) click 1
    main=$(window_of_size 759)
    eval "$(xdotool getwindowgeometry --shell "$main")"
    cx=$X
    cy=$((Y + HEIGHT - 492))
}
