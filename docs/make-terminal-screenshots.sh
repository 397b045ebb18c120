#!/bin/sh
# Takes the screenshots of the terminal window, text and hexadecimal, under a private X server.
# Usage: docs/make-terminal-screenshots.sh <build folder>
set -eu
build=${1:?usage: $0 <build folder>}
docs=$(cd "$(dirname "$0")" && pwd)
showcase="$build/bin/tests/terminal_showcase"
display=:95

. "$docs/screenshot-common.sh"

shoot "$docs/terminal.png"
shoot "$docs/terminal-hex.png" hex
echo "screenshots written to $docs"
