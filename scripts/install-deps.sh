#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its tools and its tests need,
# skipping what is already there. Runs apt-get as root or through sudo.
set -euo pipefail

packages=(build-essential cmake libsfml-dev libgtest-dev
          xvfb xauth xdotool imagemagick openbox wmctrl python3
          libfreetype-dev libbenchmark-dev libx11-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
