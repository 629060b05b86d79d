#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's cues as heard on a private PulseAudio server with a null sink:
# Start, a wrong and a right click each sound their own cue, in order, soon
# enough; the next cue is heard after the server is killed and restarted, and
# when the server only appears after the game has started.
#   sound.sh VEXLOR_EXECUTABLE     (run it under xvfb-run; needs pulseaudio, parecord, sox, xdotool)
# Exits 77 (skipped) only when no PulseAudio server can be started at all.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
vexlor=$(realpath "$1")
max_delay_ms=${VEXLOR_MAX_CUE_DELAY_MS:-30}
rate=22050
work=$(mktemp -d)
pid= pa_pid= rec_pid=
cleanup() {
    for p in $pid $rec_pid $pa_pid; do kill -9 "$p" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
source "$here/windows.sh"

# The game runs from a copy with a wave of its own pitch per cue, so the
# recording tells the cues apart: cue n (1 to 11) is a sine of 250 + 100 n Hz.
game="$work/game"
mkdir -p "$game" "$work/home" "$work/run"
chmod 700 "$work/run"
cp "$vexlor" "$(dirname "$vexlor")/libvexlor-cues.so" "$game/"
waves=(tri1 right1 help1 vb b suf g vg wo ex Alarm)
for n in $(seq 1 11); do
    sox -n -r $rate -c 1 -b 16 -e signed "$game/${waves[n - 1]}.wav" synth 0.5 sine $((250 + 100 * n)) fade 0.005 0.5 0.005 vol 0.5
done
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PULSE_RUNTIME_PATH="$work/run/pulse"
unset PULSE_SERVER
cd "$work"

start_server() {
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
        --load="module-null-sink sink_name=cues" --load=module-native-protocol-unix &
    pa_pid=$!
    for _ in $(seq 1 50); do pactl info > /dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
stop_server() {
    kill -9 "$rec_pid" "$pa_pid" 2> /dev/null || true
    wait "$rec_pid" "$pa_pid" 2> /dev/null || true
    rec_pid= pa_pid=
}

now_us() { echo "${EPOCHREALTIME/./}"; }

# Records the sink's monitor into $rec and sets $origin, the time of its first
# sample in microseconds: the earliest the file's length allows, so a delay
# measured against it is never shorter than the true one.
start_recording() {
    rec="$work/rec-$1.raw"
    parecord --device=cues.monitor --raw --format=s16le --rate=$rate --channels=1 --latency-msec=5 "$rec" &
    rec_pid=$!
    for _ in $(seq 1 100); do [ -s "$rec" ] && break; sleep 0.02; done
    [ -s "$rec" ] || fail "nothing recorded from the null sink"
    origin=
    for _ in $(seq 1 20); do
        local bytes t o
        bytes=$(stat -c %s "$rec")
        t=$(now_us)
        o=$((t - bytes * 1000000 / (2 * rate)))
        [ -z "$origin" ] || [ "$o" -lt "$origin" ] && origin=$o
        sleep 0.01
    done
}

# The cue heard after a click at time $1 (microseconds): prints "delay_ms cue",
# cue being 1 to 11, or "none" when nothing sounds within 0.7 s.
heard_after() {
    local from onset_s length freq
    from=$(awk -v t="$1" -v o="$origin" 'BEGIN { printf "%.4f", (t - o) / 1e6 }')
    length=$(sox -t raw -r $rate -e signed -b 16 -c 1 "$rec" -n trim "$from" 0.7 silence 1 0.0005 3% stat 2>&1 \
             | awk '/^Length/ { print $3 }')
    if [ -z "$length" ] || awk -v l="$length" 'BEGIN { exit !(l < 0.05) }'; then echo none; return; fi
    onset_s=$(awk -v f="$from" -v l="$length" 'BEGIN { printf "%.4f", f + 0.7 - l }')
    freq=$(sox -t raw -r $rate -e signed -b 16 -c 1 "$rec" -n trim "$(awk -v s="$onset_s" 'BEGIN { print s + 0.02 }')" 0.3 stat 2>&1 \
           | awk '/^Rough/ { print $3 }')
    awk -v s="$onset_s" -v f="$from" -v hz="$freq" 'BEGIN { printf "%.1f %d\n", (s - f) * 1000, int((hz - 250) / 100 + 0.5) }'
}

# Clicks at (x, y) and checks that a cue from the list $3 is heard within the
# delay of the click, counted from when xdotool has sent it (press and release;
# a cue already sounding then counts as 0); sets $cue. The pointer moves first, so the click alone is timed.
click_expecting() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    local asked sent
    asked=$(now_us)
    xdotool click --delay 0 1  # without its usual 100 ms rest after the click
    sent=$(now_us)
    sleep 0.15
    pactl list sink-inputs >> "$work/inputs"  # what the mixer shows while the cue plays
    sleep 0.65
    read -r delay cue <<< "$(heard_after "$sent")"
    [ "$delay" != none ] || fail "no cue after the click at $1,$2 (expected one of $3)"
    [[ " $3 " == *" $cue "* ]] || fail "cue $cue after the click at $1,$2, expected one of $3"
    awk -v d="$delay" -v m="$max_delay_ms" 'BEGIN { exit !(d <= m) }' || fail "cue $cue took $delay ms (at most $max_delay_ms)"
    echo "cue $cue after $delay to $(awk -v d="$delay" -v x=$((sent - asked)) 'BEGIN { printf "%.1f", d + x / 1000 }') ms"
}

start_game() {
    (cd "$work" && exec "$game/vexlor" > "$work/game.log" 2>&1) &
    pid=$!
    leave_splash
    sleep 0.5  # the sound layer loads after the first paint
}

tile_x() { echo $((cx + 81 + 154 * ($1 - 1))); }
wrong_cues="1 3" rating_cues="4 5 6 7 8 9 10"

# Clicks the tiles of the question on show from tile $1 rightwards until one is right.
answer_by_trying() {
    for t in $(seq "$1" 4); do
        click_expecting "$(tile_x $t)" $((cy + 98)) "$wrong_cues $rating_cues"
        [[ " $rating_cues " == *" $cue "* ]] && return
    done
    fail "no tile took the answer"
}

start_server || { echo "SKIP: no PulseAudio server can be started here: $(tail -3 "$work/pulse.log" 2> /dev/null)"; exit 77; }
start_recording 1
start_game
click_expecting $((cx + 250)) $((cy + 150)) 11  # Start: the alarm
# A question whose first try is wrong: Next Question until the leftmost tile is not the odd one.
for attempt in $(seq 1 12); do
    click_expecting "$(tile_x 1)" $((cy + 98)) "$wrong_cues $rating_cues"
    if [ "$cue" = 1 ]; then
        answer_by_trying 2
        break
    fi
    xdotool mousemove $((cx + 543)) $((cy + 189)) click 1  # Next Question
    sleep 0.3
done
[ "$cue" -ge 4 ] || fail "no wrong click followed by a right one in 12 questions"
# The game in the mixer: its name, icon and the event role.
grep -q 'application.name = "Vexlor"' "$work/inputs" || fail "no cue named Vexlor in the mixer"
grep -q 'application.icon_name = "io.github.quelro.Vexlor"' "$work/inputs" || fail "cues carry no icon name"
grep -q 'media.role = "event"' "$work/inputs" || fail "cues carry no event role"
echo "mixer: Vexlor, its icon and the event role"

# The server dies and comes back: the next cue is heard.
stop_server
start_server || fail "the server did not start again"
start_recording 2
xdotool mousemove $((cx + 543)) $((cy + 189)) click 1  # Next Question
sleep 0.3
click_expecting "$(tile_x 1)" $((cy + 98)) "$wrong_cues $rating_cues"
echo "heard after the server restarted"

# The game starts without a server; one appears; the next cue is heard.
kill -9 "$pid"
wait "$pid" 2> /dev/null || true
stop_server
start_game
start_server || fail "the server did not start again"
start_recording 3
click_expecting $((cx + 250)) $((cy + 150)) 11  # Start
echo "heard from a server that appeared after the game"
