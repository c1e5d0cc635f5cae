#!/usr/bin/env bash
# Installs the Debian packages the game, its tests, its screenshots and its package need; only
# what is missing, so a second run is quick and changes nothing.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev nlohmann-json3-dev
  qt6-translations-l10n xvfb xauth xdotool imagemagick fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream dpkg-dev file)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
