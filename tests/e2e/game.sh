# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the real game ($1): a scratch folder to run it in,
# a stand-in viewer that writes down what it is handed, and the player's mouse.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"
vexlor=$(realpath "$1")
work=$(mktemp -d)
pid=
trap 'set +e; kill -9 $(jobs -p) 2> /dev/null; wait 2> /dev/null; rm -rf "$work"' EXIT
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$#" "$@" "$PWD" > "$VIEWER_RECORD"\n' > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" VIEWER_RECORD="$work/viewer-args"
cd "$work"

# Starts the game ($1, the one under test by default) in the scratch folder and leaves its splash.
start_game() { "${1:-$vexlor}" > "$work/game.log" 2>&1 & pid=$!; leave_splash; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.3}"; }
tile_x() { echo $((cx + 81 + 154 * ($1 - 1))); }
