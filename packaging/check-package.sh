#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that
# what it installs is complete, valid, and starts on a display.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log") || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/vexlor_*.deb)
info=$(dpkg-deb --info "$deb")  # whole, so that grep -q cannot cut the pipe short
root="$scratch/root"
dpkg-deb -x "$deb" "$root"

app=io.github.quelro.Vexlor
desktop-file-validate "$root/usr/share/applications/$app.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" > /dev/null
for size in 16 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
done
find "$root/usr/lib" -path '*/vexlor/libvexlor-cues.so' | grep -q . || { echo "the sound module is not installed"; exit 1; }
for wave in tri1 right1 help1 vb b suf g vg wo ex Alarm; do
    test -s "$root/usr/share/vexlor/sounds/$wave.wav"
done

# The installed program opens its first window within a few seconds and keeps running.
work="$scratch/work"
mkdir -p "$work"
cat > "$scratch/start.sh" <<SH
cd "$work"
"$root/usr/bin/vexlor" > "$scratch/run.log" 2>&1 &
pid=\$!
for i in \$(seq 1 50); do
    xdotool search --onlyvisible --pid \$pid > /dev/null 2>&1 && break
    sleep 0.2
done
xdotool search --onlyvisible --pid \$pid > /dev/null
# Once the window is up, the sound module is found in the package's private folder and loaded.
for i in \$(seq 1 25); do grep -q libvexlor-cues.so /proc/\$pid/maps && break; sleep 0.2; done
grep -q libvexlor-cues.so /proc/\$pid/maps || { echo "the installed game did not load its sound module"; exit 1; }
kill -0 \$pid
kill \$pid
SH
xvfb-run -a bash "$scratch/start.sh"
echo "package ok: $(basename "$deb")"
