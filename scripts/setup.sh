#!/usr/bin/env bash
# Installs what building, running and testing Zorva needs on a Debian machine,
# only when something is missing.
set -euo pipefail

packages=(
  g++ cmake make
  qt6-base-dev libgl-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool
  desktop-file-utils dpkg-dev file time libbenchmark-dev
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
