#!/bin/sh
# Takes the screenshots of the toolbar (at start and with a communication open) and of the three
# wizard steps under a private X server.
# Usage: docs/make-frame-screenshots.sh <build folder>
set -eu
build=${1:?usage: $0 <build folder>}
docs=$(cd "$(dirname "$0")" && pwd)
showcase="$build/bin/tests/frame_showcase"
display=:97

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1

shoot() {
    out=$1
    shift
    geometry_file=$(mktemp)
    DISPLAY=$display QT_QPA_PLATFORM=xcb "$showcase" "$@" >"$geometry_file" &
    shown=$!
    tries=0
    while [ ! -s "$geometry_file" ] && [ $tries -lt 50 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    sleep 0.5
    DISPLAY=$display /usr/bin/import -window root "$out.full.png"
    /usr/bin/convert "$out.full.png" -crop "$(cat "$geometry_file")" +repage "$out"
    rm -f "$out.full.png" "$geometry_file"
    kill "$shown"
    wait "$shown" 2>/dev/null || true
}

shoot "$docs/toolbar-start.png" toolbar
shoot "$docs/toolbar-document.png" toolbar document
shoot "$docs/wizard-step1.png" wizard 1
shoot "$docs/wizard-step2.png" wizard 2 1 detour
shoot "$docs/wizard-step3.png" wizard 3 1 detour
echo "screenshots written to $docs"
