#!/usr/bin/env bash
# Builds SW4 (Release, into build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target sw4
exec ./build/sw4 "$@"
