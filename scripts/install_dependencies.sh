#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only when one is missing,
# so a second run costs a dpkg query and nothing else.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config clang libclang-rt-14-dev
  zlib1g-dev libjpeg62-turbo-dev libfreetype-dev
  libogg-dev libvorbis-dev libsdl2-dev
  fonts-dejavu-core  # the default font the content ships and the font tests use
  libgtest-dev libgmock-dev libbenchmark-dev
  libpixman-1-dev  # the blit benchmark's comparison, nothing else
  zip
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
