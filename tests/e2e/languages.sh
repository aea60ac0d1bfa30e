#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game under Xvfb speaks the desktop's language: started with LANG set to German, French
# and Spanish, its help window carries the title in that language, and the level, pause and
# results still play through (lib/languages.sh); with KEYSLINGER_SHOTS_DIR set, screenshots of the
# menu, help, About, PROGRESS, level, pause and results are kept there. The three cases play on
# one X server. How the language is chosen: language_choice.sh.
# budget: 50 s on two cores
# Usage: languages.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# setxkbmap or ImageMagick.
set -u
source "$(dirname "$0")/lib/session.sh"
source "$(dirname "$0")/lib/languages.sh"
e2e_require "xvfb xdotool x11-xkb-utils imagemagick" Xvfb xdotool setxkbmap import

e2e_session languages "$@"
e2e_journey_folder
e2e_start_xvfb 1280x1024x24

play de_DE.UTF-8 "" Hilfe de
play fr_FR.UTF-8 "" Aide fr
play es_ES.UTF-8 "" Ayuda es
echo "PASS: the help window speaks German, French and Spanish"
