#!/usr/bin/env bash
# Every text the program shows has a translation in every language: lupdate,
# run over the sources into copies of the .ts files, finds no text they lack,
# and no translation is unfinished or empty.
# Usage: translations_complete_test.sh SOURCE_DIR LUPDATE FOLDER...
set -euo pipefail
source_dir=$1
lupdate=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "$source_dir"/res/translations/corvane_*.ts; do
  cp "$ts" "$work/"
  copies+=("$work/$(basename "$ts")")
done
[ ${#copies[@]} -ge 3 ] || { echo "expected the de, fr and es catalogues, found ${#copies[@]}"; exit 1; }
cd "$source_dir"
"$lupdate" -silent -locations none -no-obsolete "$@" -ts "${copies[@]}"
status=0
for ts in "${copies[@]}"; do
  if grep -n -B3 'type="unfinished"\|<translation></translation>\|<translation/>' "$ts"; then
    echo "$(basename "$ts"): the texts above have no translation"
    status=1
  fi
done
exit $status
