#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the game and the tests need, when any is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-l10n-tools
  libjpeg62-turbo-dev libsqlite3-dev sqlite3 fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev xkb-data libpulse-dev
  xvfb xdotool x11-utils x11-xkb-utils imagemagick
  desktop-file-utils appstream file poppler-utils
  wamerican wngerman wfrench wspanish
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
