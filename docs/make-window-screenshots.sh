#!/bin/sh
# Takes the screenshots of the main window with a communication open, the document window, the
# execution window after a run, the monitor with a capture and the help window, each in Chinese
# (NAME.png) and in English (NAME-en.png), under a private X server.
# Usage: docs/make-window-screenshots.sh <build folder>
set -eu
build=${1:?usage: $0 <build folder>}
docs=$(cd "$(dirname "$0")" && pwd)
showcase="$build/bin/tests/windows_showcase"
display=:94
# A fixed folder, so the document window's caption reads the same at every run.
samples=/tmp/rs232comm-docs
sample="$samples/sample.Txl"

. "$docs/screenshot-common.sh"

# The user's port bindings and language choice stay out of the pictures.
config=$(mktemp -d)
export XDG_CONFIG_HOME="$config"
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$samples" "$config"' EXIT

mkdir -p "$samples"
"$build/bin/comm-cli" make "$docs/main-window-sample.json" "$sample"

for window in main document execution monitor help; do
    shoot "$docs/$window-window.png" "$window" zh_CN "$sample"
    shoot "$docs/$window-window-en.png" "$window" en "$sample"
done
echo "screenshots written to $docs"
