#!/usr/bin/env bash
# Configures and builds into build/ (programs land in build/bin). Warnings stay warnings here;
# extra arguments go to cmake (CI passes -DCOMM_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOMM_WERROR=OFF "$@"
cmake --build build -j"$(nproc)"
