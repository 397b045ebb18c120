#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program. Arguments go to the program
# (a communication file name relative to build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec ./build/bin/Comm "$@"
