#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages (run as root).
set -euo pipefail
packages=(
  build-essential cmake
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n
  fonts-wqy-microhei xvfb xauth poppler-utils socat python3-serial imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
