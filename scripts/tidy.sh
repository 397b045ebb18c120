#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the sources of the libraries and programs
# (not the tests), with the compile commands of a build: build/ unless another is given. Any
# finding fails. Files found clean before and unchanged since are not checked again
# (scripts/tidy.py says how it knows).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy.sh: no $build/compile_commands.json; build first" >&2
  exit 2
fi
python3 scripts/tidy.py "$build" "^$PWD/(src|cli|tools|app|holdpane)/"
