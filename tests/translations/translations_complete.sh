#!/usr/bin/env bash
# Usage: translations_complete.sh LUPDATE SOURCE-LIST TS-FILE... -- LUPDATE-OPTION...
# Every text the windows show is in each translation and translated, and nothing is left over:
# lupdate run on copies of the .ts files changes none of them, and none has an unfinished entry.
# Prints the count of unfinished entries of each file.
set -euo pipefail
lupdate=$1 list=$2
shift 2
committed=()
while [ "$1" != "--" ]; do committed+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "${committed[@]}"; do
  cp "$ts" "$work/"
  copies+=("$work/$(basename "$ts")")
done
"$lupdate" "$@" "@$list" -ts "${copies[@]}" >"$work/lupdate.log" 2>&1 || {
  cat "$work/lupdate.log"
  exit 1
}
status=0
for i in "${!committed[@]}"; do
  unfinished=$(grep -c 'type="unfinished"' "${copies[$i]}" || true)
  echo "$(basename "${committed[$i]}"): $unfinished unfinished"
  if ! cmp -s "${committed[$i]}" "${copies[$i]}"; then
    echo "${committed[$i]} is not up to date with the texts; lupdate would change it:"
    diff "${committed[$i]}" "${copies[$i]}" | head -40 || true
    status=1
  fi
  [ "$unfinished" -eq 0 ] || status=1
done
exit "$status"
