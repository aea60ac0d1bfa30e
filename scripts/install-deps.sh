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
  wamerican wngerman wfrench wspanish scowl
)
# The window manager and the Wayland compositor some end-to-end tests run the game under, with
# Qt's Wayland plugin and XWayland: programs that start only when a test starts them, taken
# without their recommends (video drivers, media frameworks).
bare=(openbox weston xwayland qt6-wayland)
missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_bare < <(missing_of "${bare[@]}")
[[ ${#missing[@]} -eq 0 && ${#missing_bare[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]} ${missing_bare[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
[[ ${#missing[@]} -eq 0 ]] || $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
[[ ${#missing_bare[@]} -eq 0 ]] || $sudo apt-get install -y -qq --no-install-recommends "${missing_bare[@]}" >/dev/null
