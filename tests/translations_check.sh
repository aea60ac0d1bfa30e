#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of the screens has a translation in every .ts file, and no .ts file keeps texts the
# program no longer has: lupdate is run over the sources into a copy of each file.
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shopt -s nullglob
files=("$root"/translations/*.ts)
[[ ${#files[@]} -gt 0 ]] || { echo "no .ts files in $root/translations"; exit 1; }
status=0
for ts in "${files[@]}"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none "$root/src" -ts "$copy" >"$work/lupdate.log" 2>&1 || {
    cat "$work/lupdate.log"; exit 1; }
  for kind in unfinished vanished obsolete; do
    count=$(grep -c "type=\"$kind\"" "$copy" || true)
    if [[ $count -ne 0 ]]; then
      echo "$(basename "$ts"): $count $kind text(s):"
      grep -B2 "type=\"$kind\"" "$copy" | grep -o '<source>.*</source>' || true
      status=1
    fi
  done
  # A text lupdate added or changed shows as a difference to the file in the tree.
  if ! diff -q "$ts" "$copy" >/dev/null; then
    echo "$(basename "$ts") is not up to date with the sources:"
    diff "$ts" "$copy" | head -20
    status=1
  fi
done
exit $status
