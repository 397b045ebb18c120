#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh "$@"
ctest --test-dir build --output-on-failure -j2 --timeout 300
