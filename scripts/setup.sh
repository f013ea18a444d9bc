#!/usr/bin/env bash
# Installs what SW4 needs to build, test, package and take screenshots (Debian 12 packages only).
# Idempotent: when everything is present it does nothing and says nothing.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build
  qt6-base-dev libgl-dev fonts-dejavu-core
  qt6-charts-dev libqt6opengl6-dev  # Qt6Charts' CMake package asks for Qt6OpenGL
  libgtest-dev googletest libbenchmark-dev
  libzstd-dev pkg-config  # the timeline compresses its snapshots
  clang-format clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick openbox x11-utils python3-xlib libxcb1-dev
  dpkg-dev librsvg2-bin desktop-file-utils appstream lintian
  parallel  # sw4-sweep runs its task list with GNU parallel
  ffmpeg  # sw4-script --video encodes its clips with the ffmpeg program
  chromium  # the sweep gallery's browser test (npm brings its driver, playwright-core, at build time)
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
