#!/bin/sh
# Takes the screenshots of the toolbar (at start and with a communication open) and of the three
# wizard steps under a private X server.
# Usage: docs/make-frame-screenshots.sh <build folder>
set -eu
build=${1:?usage: $0 <build folder>}
docs=$(cd "$(dirname "$0")" && pwd)
showcase="$build/bin/tests/frame_showcase"
display=:97

. "$docs/screenshot-common.sh"

shoot "$docs/toolbar-start.png" toolbar
shoot "$docs/toolbar-document.png" toolbar document
shoot "$docs/wizard-step1.png" wizard 1
shoot "$docs/wizard-step2.png" wizard 2 1 detour
shoot "$docs/wizard-step3.png" wizard 3 1 detour
echo "screenshots written to $docs"
