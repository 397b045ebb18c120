#!/usr/bin/env bash
# Checks that every text of the sources has its English: lupdate over the sources changes nothing
# in the translation files (no new, changed or dropped text), no entry is unfinished, and no
# Chinese literal outside the translation system is left (scripts/untranslated-texts.py).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in translations/*.ts; do
  cp "$ts" "$work/"
  "$lupdate" -silent -locations none -no-obsolete src cli holdpane -ts "$work/$(basename "$ts")"
  if ! diff -u "$ts" "$work/$(basename "$ts")"; then
    echo "$ts: the sources' texts changed; run 'cmake --build build --target update_translations'"
    status=1
  fi
  if grep -n 'type="unfinished"\|type="obsolete"\|type="vanished"' "$ts"; then
    echo "$ts: entries above have no finished English"
    status=1
  fi
done
python3 scripts/untranslated-texts.py || status=1
exit $status
