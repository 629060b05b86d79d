#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Start, a wrong and a right click each sound their own cue within 30 ms on a private sound server's null sink.
# The server is PulseAudio, or PipeWire with its pulse service and session manager (run it under
# dbus-run-session). A server that restarts or comes after the game is tst_soundcues' business.
#   sound.sh VEXLOR_EXECUTABLE [pulseaudio|pipewire]
#   (under xvfb-run; needs the server, pulseaudio-utils, sox, xdotool; 77: no server can start here)
set -euo pipefail
source "$(dirname "$(realpath "$0")")/windows.sh"
vexlor=$(realpath "$1")
work=$(mktemp -d)
pid=
trap 'set +e; kill -9 $(jobs -p) 2> /dev/null; wait 2> /dev/null; rm -rf "$work"' EXIT
cd "$work"
server=${2:-pulseaudio}
# PipeWire starts each cached sample as a new stream, which its session manager links in the graph's
# next period (21 ms at its default 1024 frames): there a cue starts 20 to 32 ms after the click.
max_delay_ms=${VEXLOR_MAX_CUE_DELAY_MS:-$([ "$server" = pipewire ] && echo 50 || echo 30)}
rate=22050
# The game runs from a copy whose cue n (1 to 11) is a sine of 250 + 100 n Hz, so the recording tells them apart.
mkdir -m 700 game home run
cp "$vexlor" "$(dirname "$vexlor")"/libvexlor-{cues,alsa}.so game/
hz=250
for wave in tri1 right1 help1 vb b suf g vg wo ex Alarm; do
    sox -n -r $rate -c 1 -b 16 -e signed "game/$wave.wav" synth 0.5 sine $((hz += 100)) fade 0.005 0.5 0.005 vol 0.5
done
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PULSE_RUNTIME_PATH="$work/run/pulse"
unset PULSE_SERVER
# No sound card, and so no way round the server through ALSA's pulse plugin: a cue the server misses is silent.
export ALSA_CONFIG_PATH=/dev/null

start_server() {
    if [ "$server" = pipewire ]; then
        pipewire >> "$work/pulse.log" 2>&1 &
        for _ in $(seq 1 50); do pw-cli info 0 > /dev/null 2>&1 && break; sleep 0.1; done
        wireplumber >> "$work/pulse.log" 2>&1 &
        pipewire-pulse >> "$work/pulse.log" 2>&1 &
    else
        pulseaudio --daemonize=no -n --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
            --load="module-null-sink sink_name=cues" --load=module-native-protocol-unix &
    fi
    for _ in $(seq 1 50); do pactl info > /dev/null 2>&1 && break; sleep 0.1; done
    if [ "$server" = pipewire ]; then
        for _ in $(seq 1 50); do pactl load-module module-null-sink sink_name=cues >> "$work/pulse.log" 2>&1 && break; sleep 0.1; done
        for _ in $(seq 1 50); do pactl list short sinks | grep -q cues && break; sleep 0.1; done
        pactl set-default-sink cues || return 1
    fi
    pactl info 2>> "$work/pulse.log" | grep -i "server name" >> "$work/servers"
}
now_us() { echo "${EPOCHREALTIME/./}"; }

# Records the sink's monitor into $rec; $origin, its first sample's time in µs, is never later than the true one.
start_recording() {
    rec="$work/rec.raw"
    parecord --device=cues.monitor --raw --format=s16le --rate=$rate --channels=1 --latency-msec=5 "$rec" &
    for _ in $(seq 1 100); do [ -s "$rec" ] && break; sleep 0.02; done
    [ -s "$rec" ] || fail "nothing recorded from the null sink"
    origin=
    for _ in $(seq 1 20); do
        local bytes=$(stat -c %s "$rec")  # the length before the time, so the origin is never too early
        local o=$(($(now_us) - bytes * 1000000 / (2 * rate)))
        [ -z "$origin" ] || [ "$o" -lt "$origin" ] && origin=$o
        sleep 0.01
    done
}
# The sound of the recording from $1 s for $2 s, through sox with the effects that follow.
sound_stat() { sox -t raw -r $rate -e signed -b 16 -c 1 "$rec" -n trim "$1" "$2" "${@:3}" stat 2>&1; }

# Clicks at ($1, $2) and checks that a cue of list $3 is heard within the delay after the click was sent; sets $cue.
click_expecting() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    local asked=$(now_us) sent from length hz delay
    xdotool click --delay 0 1
    sent=$(now_us)
    sleep 0.15
    pactl list sink-inputs >> "$work/inputs"
    sleep 0.65
    from=$(awk -v t="$sent" -v o="$origin" 'BEGIN { printf "%.4f", (t - o) / 1e6 }')
    length=$(sound_stat "$from" 0.7 silence 1 0.0005 3% | awk '/^Length/ { print $3 }')
    awk -v l="${length:-0}" 'BEGIN { exit !(l >= 0.05) }' || fail "no cue after the click at $1,$2 (expected one of $3)"
    hz=$(sound_stat "$(awk -v f="$from" -v l="$length" 'BEGIN { print f + 0.7 - l + 0.02 }')" 0.3 | awk '/^Rough/ { print $3 }')
    read -r delay cue <<< "$(awk -v l="$length" -v hz="$hz" 'BEGIN { printf "%.1f %d", (0.7 - l) * 1000, int((hz - 250) / 100 + 0.5) }')"
    [[ " $3 " == *" $cue "* ]] || fail "cue $cue after the click at $1,$2, expected one of $3"
    awk -v d="$delay" -v m="$max_delay_ms" 'BEGIN { exit !(d <= m) }' || fail "cue $cue took $delay ms (at most $max_delay_ms)"
    echo "cue $cue after $delay to $(awk -v d="$delay" -v x=$((sent - asked)) 'BEGIN { printf "%.1f", d + x / 1000 }') ms"
}
tile_cues="1 3 4 5 6 7 8 9 10"  # first and later wrong clicks, then the seven ratings
tile_x() { echo $((cx + 81 + 154 * ($1 - 1))); }
next_question() { xdotool mousemove $((cx + 543)) $((cy + 189)) click 1; sleep 0.3; }

command -v "$server" > /dev/null || { echo "SKIP: $server is not installed"; exit 77; }
start_server || { echo "SKIP: no $server server can be started here: $(tail -3 pulse.log 2> /dev/null)"; exit 77; }
[ "$server" = pulseaudio ] || grep -q "on PipeWire" servers || fail "the server is not PipeWire: $(cat servers)"
start_recording
# The sound layer loads after the first paint. The game is kept off the D-Bus session that PipeWire's
# session manager needs, as it is off one with PulseAudio: it has no use for it here.
DBUS_SESSION_BUS_ADDRESS= game/vexlor > "$work/game.log" 2>&1 &
pid=$!
leave_splash
sleep 0.5
click_expecting $((cx + 250)) $((cy + 150)) 11  # Start: the alarm
# Next Question until the leftmost tile is wrong (cue 1), then tiles rightwards until one is rated (cue 4 and up).
t=1
for _ in $(seq 1 15); do
    click_expecting "$(tile_x $t)" $((cy + 98)) "$tile_cues"
    case $cue in 1 | 3) t=$((t + 1)) ;; *) [ $t -gt 1 ] && break || next_question ;; esac
done
[ "$cue" -ge 4 ] && [ $t -gt 1 ] || fail "no wrong click followed by a right one"
for property in 'application.name = "Vexlor"' 'application.icon_name = "io.github.quelro.Vexlor"' 'media.role = "event"'; do
    grep -qF "$property" inputs || fail "no cue in the mixer carries $property"
done

