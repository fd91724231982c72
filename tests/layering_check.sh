#!/usr/bin/env bash
# Usage: layering_check.sh SOURCE_ROOT
# Holds the program's folders to the layering table in the README: every '#include "folder/..."'
# in a folder must name the folder itself or one the table lets it include, and the table itself
# must have no loop apart from the edges it marks with '*' as known exceptions.
set -euo pipefail
set -f  # the starred names of the table must not expand as file patterns
root=${1:-$(dirname "$0")/..}
readme="$root/README.md"

# The rows of the table under "## Layering": "| folder/ | other/, another/ |" (a starred name is
# allowed for now but left out of the loop check).
table=$(awk '/^## Layering/ { inside = 1; next } /^## / { inside = 0 }
             inside && /^\| *[a-z_]+\/ *\|/ { print }' "$readme")
if [[ -z "$table" ]]; then
    echo "layering_check: no layering table under '## Layering' in $readme"
    exit 1
fi

declare -A allowed
edges=""
while IFS='|' read -r _ folder targets _; do
    folder=$(echo "$folder" | tr -d ' /')
    allowed[$folder]=" "
    for target in $(echo "$targets" | tr ',' ' '); do
        [[ "$target" == "-" ]] && continue
        name=$(echo "$target" | tr -d '/*')
        allowed[$folder]+="$name "
        [[ "$target" == *'*' ]] || edges+="$folder $name"$'\n'
    done
done <<<"$table"

status=0
checked=0
if ! printf '%s' "$edges" | tsort >/dev/null 2>"${TMPDIR:-/tmp}/layering_tsort.$$"; then
    echo "layering_check: the layering table has a loop:"
    cat "${TMPDIR:-/tmp}/layering_tsort.$$"
    status=1
fi
rm -f "${TMPDIR:-/tmp}/layering_tsort.$$"

set +f
for dir in "$root"/*/; do
    folder=$(basename "$dir")
    case "$folder" in build | tests | bench | docs | resources | scripts) continue ;; esac
    if ! find "$dir" -name '*.h' -o -name '*.cpp' | grep -q .; then
        continue
    fi
    if [[ -z "${allowed[$folder]+set}" ]]; then
        echo "layering_check: $folder/ holds code but has no row in the README's layering table"
        status=1
        continue
    fi
    while IFS= read -r hit; do
        checked=$((checked + 1))
        file=${hit%%:*}
        target=$(echo "$hit" | sed -E 's/.*#include "([a-z_]+)\/.*/\1/')
        if [[ "$target" != "$folder" && "${allowed[$folder]}" != *" $target "* ]]; then
            echo "layering_check: ${file#"$root"/} includes $target/, which $folder/ may not"
            status=1
        fi
    done < <(grep -rHE '^#include "[a-z_]+/' --include='*.h' --include='*.cpp' "$dir" || true)
done
if [[ $checked -eq 0 ]]; then
    echo "layering_check: found no includes under $root"
    status=1
fi
[[ $status -eq 0 ]] && echo "layering_check: all $checked includes follow the table"
exit $status
