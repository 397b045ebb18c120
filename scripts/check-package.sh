#!/usr/bin/env bash
# Installs the package that scripts/package.sh made on this machine (root) and tries the installed
# programs as a user would: the menu entry, Comm with a communication file, comm-cli and rs232sim
# from PATH. Removes the package again at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
deb=$(ls -t build/rs232comm_*.deb | head -n1)
if ! command -v desktop-file-validate >/dev/null; then
  apt-get install -y --no-install-recommends desktop-file-utils
fi
apt-get install -y "./$deb"
trap 'apt-get remove -y rs232comm >/dev/null' EXIT

desktop-file-validate /usr/share/applications/rs232comm.desktop
test -f /usr/share/icons/hicolor/48x48/apps/rs232comm.png
test -f /usr/share/rs232comm/translations/comm_en.qm
for program in Comm comm-cli rs232sim; do
  [ "$(command -v "$program")" = "/usr/bin/$program" ]
done
if [ -f holdpane/CMakeLists.txt ]; then test -x /usr/bin/Holdpane; fi

work=$(mktemp -d /tmp/rs232comm-package.XXXXXX)
cat > "$work/kind1.json" <<'JSON'
{"kind":1,"settings":"9600,O,8,1","settingsText":"9600,奇,8,1","portSettingIndex":[6,4,1,0],
 "loopCount":0,"delay":0,"wait":0,"counts":[1,2,1,1,0,0,0,0],"hasValues":true,
 "send":{"start":[170],"data":[1,2],"check":[3],"end":[13]},
 "recv":{"start":[],"data":[],"check":[],"end":[]}}
JSON
comm-cli make "$work/kind1.json" "$work/kind1.Txl"
comm-cli show "$work/kind1.Txl" | grep -q '"kind":1'

# Comm takes its file name relative to its own folder; it must start and stay up.
status=0
(cd / && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
  timeout 5 /usr/bin/Comm "../..$work/kind1.Txl") || status=$?
if [ "$status" -ne 124 ]; then
  echo "installed Comm ended with status $status instead of running" >&2
  exit 1
fi
chmod 700 "$work"
rm -rf "$work"
echo "package check passed"
