#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the sources of the libraries and programs
# (not the tests), with the compile commands of a build: build/ unless another is given. Any
# finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy.sh: no $build/compile_commands.json; build first" >&2
  exit 2
fi
run-clang-tidy -quiet -p "$build" -j"$(nproc)" "^$PWD/(src|cli|tools|app|holdpane)/"
