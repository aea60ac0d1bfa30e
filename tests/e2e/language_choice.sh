#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How the real game under Xvfb chooses its language: LANGUAGE's list comes before LANG (es:de
# over en_US gives Spanish), and under the C locale the game speaks English even with LANGUAGE
# set (C stands for no language). Each case plays the help window, level, pause, results, About
# and PROGRESS through (lib/languages.sh), on one X server.
# budget: 35 s on two cores
# Usage: language_choice.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# setxkbmap or ImageMagick.
set -u
source "$(dirname "$0")/lib/session.sh"
source "$(dirname "$0")/lib/languages.sh"
e2e_require "xvfb xdotool x11-xkb-utils imagemagick" Xvfb xdotool setxkbmap import

e2e_session language-choice "$@"
e2e_journey_folder
e2e_start_xvfb 1280x1024x24

play en_US.UTF-8 "es:de" Ayuda language_list
play C "de" Help c_locale
echo "PASS: the LANGUAGE list comes before LANG, and the C locale speaks English"
