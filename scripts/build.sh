#!/usr/bin/env bash
# Configures and builds into build/ (programs land in build/bin). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOMM_WERROR=ON "$@"
cmake --build build -j"$(nproc)"
