#!/bin/sh
# Takes the screenshot of the main window with an opened communication under a private X server.
# Usage: docs/make-main-window-screenshot.sh <build folder>
set -eu
build=${1:?usage: $0 <build folder>}
docs=$(cd "$(dirname "$0")" && pwd)
display=:98
sample=main-window-sample.Txl

"$build/bin/comm-cli" make "$docs/main-window-sample.json" "$build/bin/$sample"

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$build/bin/$sample"
}
trap cleanup EXIT
sleep 1

# The program takes its command line relative to its own folder.
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/bin/Comm" "$sample" &
program=$!
tries=0
until DISPLAY=$display xwininfo -name "通用RS232通讯程序" >/dev/null 2>&1 || [ $tries -ge 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
sleep 1
info=$(DISPLAY=$display xwininfo -name "通用RS232通讯程序")
x=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
w=$(echo "$info" | sed -n 's/.*Width: *//p')
h=$(echo "$info" | sed -n 's/.*Height: *//p')
DISPLAY=$display /usr/bin/import -window root "$docs/main-window.full.png"
/usr/bin/convert "$docs/main-window.full.png" -crop "${w}x${h}+${x}+${y}" +repage "$docs/main-window.png"
rm -f "$docs/main-window.full.png"
echo "screenshot written to $docs/main-window.png"
