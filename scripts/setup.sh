#!/usr/bin/env bash
# Installs what building and testing polyvista needs on Debian 12 (as root),
# skipping packages that are already there.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libsdl2-dev libpng-dev
  xvfb xauth xdotool openbox wmctrl x11-utils libx11-dev imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
