#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages (run as root).
# --ci adds what CI checks with: clang for fuzzing (libFuzzer lives in libclang-rt, which clang only
# recommends), clang-format and clang-tidy, and what making and checking the package needs.
set -euo pipefail
packages=(
  build-essential cmake ccache lld
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
  fonts-wqy-microhei xvfb xauth poppler-utils socat python3-serial imagemagick
)
for arg in "$@"; do
  case "$arg" in
    --ci) packages+=(clang libclang-rt-dev clang-format clang-tidy dpkg-dev desktop-file-utils) ;;
    *) echo "usage: install-deps.sh [--ci]" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
