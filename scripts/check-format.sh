#!/usr/bin/env bash
# Fails when a C++ source (or a file given) is not formatted as .clang-format says.
set -euo pipefail
exec bash "$(dirname "$0")/format.sh" --check "$@"
