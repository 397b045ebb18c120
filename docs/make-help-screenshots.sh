#!/bin/sh
# Takes the screenshots of the about and support boxes under a private X server (the help window is
# taken by make-window-screenshots.sh, in both languages).
# Usage: docs/make-help-screenshots.sh <build folder>
set -eu
build=${1:?usage: $0 <build folder>}
docs=$(cd "$(dirname "$0")" && pwd)
showcase="$build/bin/tests/help_showcase"
display=:99

. "$docs/screenshot-common.sh"

shoot "$docs/about-box.png" about
shoot "$docs/support-box.png" support
echo "screenshots written to $docs"
