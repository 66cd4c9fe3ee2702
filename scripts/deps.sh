#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, skipping what is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config python3 bc libx11-dev
  libjpeg62-turbo-dev liblcms2-dev qt6-base-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox xdotool wmctrl x11-utils imagemagick
  fonts-wine fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
