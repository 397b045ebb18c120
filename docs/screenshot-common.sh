# Sourced by the screenshot scripts: starts a private X server on $display and defines
# shoot OUT ARGS..., which runs $showcase with ARGS, waits for the geometry it prints and crops the
# screen to it. Needs $display and $showcase set by the caller.
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
