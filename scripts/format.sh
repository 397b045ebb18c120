#!/usr/bin/env bash
# Formats every C++ source as .clang-format says, or only the files given.
#   format.sh [--check] [FILE...]
# --check changes nothing and fails when a file is not formatted (what CI runs).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
if [ "${1:-}" = "--check" ]; then
  mode=(--dry-run --Werror)
  shift
fi
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  dirs=()
  for d in src cli tools app tests bench fuzz holdpane; do [ -d "$d" ] && dirs+=("$d"); done
  mapfile -t files < <(find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
clang-format "${mode[@]}" "${files[@]}"
