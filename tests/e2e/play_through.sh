#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game as a player would, then checks the report it left and what the viewer was handed.
#   play_through.sh VEXLOR_EXECUTABLE SOURCE_DIR     (under xvfb-run; needs xdotool, imagemagick, openbox and xprop)
source_dir=$(realpath "$2")
source "$(dirname "$(realpath "$0")")/game.sh"
shot() { import -window root "$work/screen.png"; }
colour() { convert "$work/screen.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
# Takes a shot and checks its pixels, one "x y colour what" a line; a colour after ! must not be there.
check_colours() {
    shot
    while read -r x y want what; do
        got=$(colour $((x)) $((y)))
        case $want in !*) [ "$got" != "${want#!}" ] ;; *) [ "$got" = "$want" ] ;; esac || fail "$what: $got"
    done
}
# Clicks the tiles in turn until the rating box turns blue for a right answer; sets the degree earned.
answer_by_trying() {
    for t in 1 2 3 4; do
        click "$(tile_x $t)" $((cy + 98))
        shot
        degree=$((125 - 25 * t))
        [ "$(convert "$work/screen.png" -crop "420x34+$((cx + 100))+$((cy + 432))" +repage \
            -fx '(b>0.6 && r<0.4 && g<0.4)?1:0' -format '%[fx:mean > 0.005]' info:)" = 1 ] && return
    done
    fail "no tile took the answer"
}

# Closed by the desktop (Alt+F4 in openbox), the splash ends the program: "OK" is the only way into the game.
"$vexlor" > "$work/game.log" 2>&1 &
pid=$!
splash=$(window_of_size 560)
openbox > /dev/null 2>&1 &
wm=$!
for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" && break; sleep 0.1; done
xdotool windowactivate --sync "$splash" key alt+F4 2> /dev/null
for _ in $(seq 1 50); do kill -0 $pid 2> /dev/null || break; sleep 0.1; done
kill $wm && wait $wm 2> /dev/null || true
kill -0 $pid 2> /dev/null && fail "the game ran on after its splash was closed"
wait $pid || fail "the game ended badly after its splash was closed"

"$vexlor" > "$work/game.log" 2>&1 &
pid=$!
eval "$(xdotool getwindowgeometry --shell "$(window_of_size 560)")"
check_colours <<< "X+2 Y+2 0,0,255 splash rim"
leave_splash
check_colours <<< "cx+80 cy+100 192,192,255 start panel over the tiles"
name='Ada $(rm -rf x) `id`'
click $((cx + 200)) $((cy + 25))
xdotool type --delay 20 "$name"
click $((cx + 475)) $((cy + 85))
xdotool key --delay 100 Escape Down && sleep 0.2  # the time list's first entry: 15 seconds
click $((cx + 250)) $((cy + 150))  # Start
check_colours <<EOF2
cx+80 cy+100 !192,192,255 start panel after Start
cx+110 cy+445 255,255,128 rating box
cx+81 cy+40 255,255,160 tile 1
cx+235 cy+40 255,255,160 tile 2
cx+389 cy+40 255,255,160 tile 3
cx+543 cy+40 255,255,160 tile 4
EOF2
answer_by_trying
first_degree=$degree
click $((cx + 543)) $((cy + 189))  # Next Question
xdotool mousemove $((cx + 650)) $((cy + 42)) click --repeat 2 --delay 80 1  # "Simple Beam" in the word list
sleep 0.3
click $((cx + 687)) $((cy + 294))  # Hints
check_colours <<< "cx+700 cy+440 255,255,128 hint box"
for viewer in "40 Result" "130 Help"; do  # through the menu bar; closed with its button
    click $((cx + ${viewer% *})) $((cy - 10))
    w=$(window_of_size 526)
    [ "$(xdotool getwindowname "$w")" = "Vexlor - ${viewer#* }" ] || fail "caption of the ${viewer#* } viewer"
    eval "$(xdotool getwindowgeometry --shell "$w")"
    check_colours <<< "X+200 Y+200 255,255,192 ${viewer#* } surface"
    click $((X + 473)) $((Y + 366))
done

# A new series: its first question unanswered, the second answered, the third not; then Exit.
click $((cx + 47)) $((cy + 446))   # Restart
click $((cx + 543)) $((cy + 189))  # Next Question
answer_by_trying
click $((cx + 543)) $((cy + 189))
click $((cx + 578)) $((cy + 446))  # Exit: the report, the viewer, the end
for _ in $(seq 1 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2> /dev/null || fail "the game did not end after Exit"
[ -f "$VIEWER_RECORD" ] || sleep 1
printf '1\nVexlorOut.txt\n%s\n' "$work" | cmp -s - "$VIEWER_RECORD" || fail "viewer got $(cat "$VIEWER_RECORD" 2>&1)"

[ "$(grep -c $'\r$' VexlorOut.txt)" = 23 ] && [ "$(wc -l < VexlorOut.txt)" = 23 ] || fail "report is not 23 CR LF lines"
row=$(sed -n 18p VexlorOut.txt | tr -d '\r')
grep -q "^    {\"${row:42}\"," "$source_dir/core/QuestionBankData.h" || fail "row term '${row:42}' is no term"
diff <(sed -n '7p;11p;17,19p;22p' VexlorOut.txt | tr -d '\r') - <<EOF2 || fail "the report differs as shown"
                    Name: $name
 Maximum time for question =  15 Seconds
  001 has no answer.
$(printf '  002%23s%03d %%%9s' '' "$degree" '')${row:42}
  003 has no answer.
@@@@@             Total degree is $(((degree + 1) / 3)) % in 3 questions.             @@@@@@
EOF2
echo "played through: answers at $first_degree % and $degree %, report and viewer hand-over as expected"
