#!/usr/bin/env bash
# Fails when a file under src/ includes a folder of its own layer or a higher one, or when Qt is
# included outside the binding. The order below is the architecture (docs/architecture.md): each
# folder may include only the folders listed before it; the two hosts, script and qt, share a
# rank and so never include each other, and so do recording and setup; the timeline keeps
# the recorder's log and sits below both hosts.
set -euo pipefail
cd "$(dirname "$0")/.."

layers=(
  platform
  model
  drawing observation moons borders contacts galaxy inspector scenarios fields website
  program
  "recording setup"
  timeline
  "script qt"
)

declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

status=0
while IFS= read -r file; do
  folder=${file#src/}
  folder=${folder%%/*}
  if [[ -z ${rank[$folder]+set} ]]; then
    echo "check-layers: $file: folder '$folder' has no layer" >&2
    status=1
    continue
  fi
  while IFS=: read -r line target; do
    to=${target%%/*}
    [[ $to == "$folder" ]] && continue
    if [[ -z ${rank[$to]+set} ]]; then
      echo "check-layers: $file:$line includes \"$target\" from outside the layers" >&2
      status=1
    elif ((rank[$to] >= rank[$folder])); then
      echo "check-layers: $file:$line: $folder includes $to (same layer or above)" >&2
      status=1
    fi
  done < <(grep -n '^#include "' "$file" | sed -E 's/^([0-9]+):#include "([^"]+)".*/\1:\2/')
  if [[ $folder != qt ]] && grep -qE '^#include <Q' "$file"; then
    echo "check-layers: $file includes Qt outside src/qt" >&2
    status=1
  fi
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

((status == 0)) && echo "check-layers: every include points down"
exit $status
