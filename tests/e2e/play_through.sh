#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game on a real (virtual) display as a player would, then checks
# the report it left and what the viewer was handed.
#   play_through.sh VEXLOR_EXECUTABLE SOURCE_DIR
# Run it under xvfb-run. Needs xdotool and imagemagick.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
vexlor=$(realpath "$1")
source_dir=$(realpath "$2")
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

# A stand-in viewer first on PATH: it writes down its arguments and folder.
mkdir bin
cat > bin/xdg-open <<'SH'
#!/bin/sh
printf '%s\n' "$#" "$@" "$PWD" > "$VIEWER_RECORD"
SH
chmod +x bin/xdg-open
export PATH="$work/bin:$PATH" VIEWER_RECORD="$work/viewer-args"

source "$here/windows.sh"
shot() { import -window root "$work/screen.png"; }
# The colour of a pixel of the last shot, as "r,g,b".
colour() { convert "$work/screen.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
# The share of pixels in a rectangle of the last shot drawn in strong blue.
blue_share() { convert "$work/screen.png" -crop "$3x$4+$1+$2" +repage -fx '(b>0.6 && r<0.4 && g<0.4)?1:0' -format '%[fx:mean]' info:; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

"$vexlor" > "$work/run.log" 2>&1 &
pid=$!

# The splash: a blue rim round the panel; OK opens the game.
splash=$(window_of_size 560)
eval "$(xdotool getwindowgeometry --shell "$splash")"
shot
[ "$(colour $((X + 2)) $((Y + 2)))" = "0,0,255" ] || fail "splash rim is $(colour $((X + 2)) $((Y + 2)))"
leave_splash
shot
[ "$(colour $((cx + 80)) $((cy + 100)))" = "192,192,255" ] || fail "start panel not over the tiles"

name='Ada $(rm -rf x) `id`'
click $((cx + 200)) $((cy + 25))
xdotool type --delay 20 "$name"
click $((cx + 475)) $((cy + 85))
xdotool key Escape
xdotool key Down  # the first entry: 15 seconds
sleep 0.2
click $((cx + 250)) $((cy + 150))  # Start
shot
[ "$(colour $((cx + 80)) $((cy + 100)))" != "192,192,255" ] || fail "start panel still shown after Start"
[ "$(colour $((cx + 110)) $((cy + 445)))" = "255,255,128" ] || fail "rating box is $(colour $((cx + 110)) $((cy + 445)))"
for t in 0 1 2 3; do  # four cards on their yellow ground
    [ "$(colour $((cx + 81 + 154 * t)) $((cy + 40)))" = "255,255,160" ] || fail "tile $((t + 1)) shows no card"
done

# Click the tiles in turn until one is right: the rating box then gets its word.
# Sets the degree earned.
answer_by_trying() {
    degree=0
    for t in 0 1 2 3; do
        click $((cx + 81 + 154 * t)) $((cy + 98))
        shot
        share=$(blue_share $((cx + 100)) $((cy + 432)) 420 34)
        if awk "BEGIN { exit !($share > 0.005) }"; then
            degree=$((100 - 25 * t))
            break
        fi
    done
    [ "$degree" -gt 0 ] || fail "no tile took the answer"
}
answer_by_trying
first_degree=$degree

click $((cx + 543)) $((cy + 189))  # Next Question
xdotool mousemove $((cx + 650)) $((cy + 42)) click --repeat 2 --delay 80 1  # "Simple Beam" in the word list
sleep 0.3
click $((cx + 687)) $((cy + 294))  # Hints
shot
[ "$(colour $((cx + 700)) $((cy + 440)))" = "255,255,128" ] || fail "hint box not shown"

# The viewer: results, then help, each closed with its button.
click $((cx + 40)) $((cy - 10))
viewer=$(window_of_size 526)
[ "$(xdotool getwindowname "$viewer")" = "Vexlor - Result" ] || fail "results caption"
eval "$(xdotool getwindowgeometry --shell "$viewer")"
shot
[ "$(colour $((X + 200)) $((Y + 200)))" = "255,255,192" ] || fail "results surface colour"
click $((X + 473)) $((Y + 366))
click $((cx + 130)) $((cy - 10))
viewer=$(window_of_size 526)
[ "$(xdotool getwindowname "$viewer")" = "Vexlor - Help" ] || fail "help caption"
click $((X + 473)) $((Y + 366))

# A new series: its first question unanswered, the second answered, the third not.
click $((cx + 47)) $((cy + 446))   # Restart
click $((cx + 543)) $((cy + 189))  # Next Question
answer_by_trying
click $((cx + 543)) $((cy + 189))  # Next Question
click $((cx + 578)) $((cy + 446))  # Exit: the report, the viewer, the end
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2>/dev/null || fail "the game did not end after Exit"

[ -f VexlorOut.txt ] || fail "no report"
[ -f "$VIEWER_RECORD" ] || { sleep 1; [ -f "$VIEWER_RECORD" ] || fail "viewer not started"; }
printf '1\nVexlorOut.txt\n%s\n' "$work" | cmp -s - "$VIEWER_RECORD" || fail "viewer got $(cat "$VIEWER_RECORD")"

# The report holds the new series only: three rows, the middle one answered, and
# a total that agrees with them.
line() { sed -n "$1p" VexlorOut.txt | tr -d '\r'; }
[ "$(wc -l < VexlorOut.txt)" = 23 ] || fail "report has $(wc -l < VexlorOut.txt) lines"
[ "$(grep -c $'\r$' VexlorOut.txt)" = 23 ] || fail "not every line ends in CR LF"
[ "$(line 7)" = "                    Name: $name" ] || fail "name line: $(line 7)"
[ "$(line 11)" = " Maximum time for question =  15 Seconds" ] || fail "time line: $(line 11)"
[ "$(line 17)" = "  001 has no answer." ] || fail "row 1: $(line 17)"
row=$(line 18)
expected_start=$(printf '  002%23s%03d %%%9s' '' "$degree" '')
[ "${row:0:42}" = "$expected_start" ] || fail "row 2: '$row' (degree $degree)"
grep -q "^    {\"${row:42}\"," "$source_dir/core/QuestionBankData.cpp" || fail "row term '${row:42}' is no term"
[ "$(line 19)" = "  003 has no answer." ] || fail "row 3: $(line 19)"
average=$(( (degree + 1) / 3 ))  # 100, 75, 50, 25 over three: 33, 25, 17, 8
[ "$(line 22)" = "@@@@@             Total degree is $average % in 3 questions.             @@@@@@" ] || fail "total: $(line 22)"
echo "played through: answers at $first_degree % and $degree %, report and viewer hand-over as expected"
