#!/usr/bin/env bash
# Fails when a file under src/ includes a folder that scripts/layers.txt does not let its folder
# build on, when Qt is included outside the binding, or when the include graph in
# docs/architecture.md is not the one the table draws.
#   bash scripts/check-layers.sh            the checks
#   bash scripts/check-layers.sh --graph    prints the graph (mermaid)
#   bash scripts/check-layers.sh --write    writes it into docs/architecture.md
set -euo pipefail
cd "$(dirname "$0")/.."
table=scripts/layers.txt
doc=docs/architecture.md
begin='<!-- include graph: scripts/check-layers.sh --write -->'
end='<!-- end of include graph -->'
status=0
fail() { echo "check-layers: $*" >&2 && status=1; }

# allowed[F]: " A B ... " every folder F may include; folders[]: the table's order.
declare -A uses allowed
folders=()
while IFS= read -r line; do
  [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
  folder=${line%%:*}
  read -ra names <<<"${line#*:}"
  uses[$folder]=${names[*]}
  allowed[$folder]=" "
  for below in ${uses[$folder]}; do
    [[ -n ${allowed[$below]+set} ]] || fail "$table: $folder builds on $below, which is not above it"
    allowed[$folder]+="$below ${allowed[$below]:- }"
  done
  folders+=("$folder")
done <"$table"

declare -A included
while IFS= read -r file; do
  folder=${file#src/}
  folder=${folder%%/*}
  if [[ -z ${allowed[$folder]+set} ]]; then
    fail "$file: folder '$folder' is not in $table"
    continue
  fi
  while IFS=: read -r line target; do
    to=${target%%/*}
    [[ $to == "$folder" ]] && continue
    included["$folder $to"]=1
    if [[ -z ${allowed[$to]+set} ]]; then
      fail "$file:$line includes \"$target\" from outside the layers"
    elif [[ ${allowed[$folder]} != *" $to "* ]]; then
      fail "$file:$line: $folder includes $to, which it does not build on ($table)"
    fi
  done < <(grep -n '^#include "' "$file" | sed -E 's/^([0-9]+):#include "([^"]+)".*/\1:\2/')
  if [[ $folder != qt ]] && grep -qE '^#include <Q' "$file"; then
    fail "$file includes Qt outside src/qt"
  fi
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

for folder in "${folders[@]}"; do
  for below in ${uses[$folder]}; do
    [[ -n ${included["$folder $below"]+set} ]] ||
      fail "$table: $folder builds on $below, but no file in src/$folder includes it"
  done
done

graph() {  # the table from the top, an arrow to each folder a folder builds on
  local i below
  echo '```mermaid'
  echo 'flowchart TD'
  for ((i = ${#folders[@]} - 1; i >= 0; i--)); do
    for below in ${uses[${folders[i]}]}; do echo "  ${folders[i]} --> $below"; done
  done
  echo '```'
}
documented() { sed -n "\\|^$begin\$|,\\|^$end\$|p" "$doc" | sed '1d;$d'; }

case ${1:-} in
  --graph) graph && exit 0 ;;
  --write)
    { sed "\\|^$begin\$|q" "$doc" && graph && sed -n "\\|^$end\$|,\$p" "$doc"; } >"$doc.new"
    mv "$doc.new" "$doc" && exit 0 ;;
esac
[[ $(documented) == "$(graph)" ]] ||
  fail "the include graph in $doc is stale: run scripts/check-layers.sh --write"
((status == 0)) && echo "check-layers: every include points down"
exit $status
