#!/usr/bin/env bash
# Builds the Debian package of the programs into build/ (rs232comm_VERSION_ARCH.deb), after
# installing what building needs. Install it with: apt-get install ./build/rs232comm_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if ! command -v dpkg-shlibdeps >/dev/null; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends dpkg-dev
fi
bash scripts/build.sh "$@"
(cd build && cpack -G DEB)
