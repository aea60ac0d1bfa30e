#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game: cmake --install into a scratch DESTDIR, the installed folders made
# read-only, the game started from there under Xvfb with a scratch HOME and no XDG_DATA_HOME.
# The menu must show, the first profile must land in ~/.local/share/keyslinger/Player.ini and
# nothing may be written into the installed folders.
# budget: 5 s on two cores
# Usage: installed_game.sh GAME_DIR TEST_DATA_DIR (GAME_DIR is <build>/game). Exits 77 (skipped)
# without Xvfb or xdotool.
set -u
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool" Xvfb xdotool

e2e_session installed "$@"
build_dir=$(cd "$game_dir/.." && pwd)
dest=$work/dest
home=$work/home
fail() {
  echo "FAILED: $*"
  [[ -f $work/game.log ]] && { echo "--- game output"; cat "$work/game.log"; }
  exit 1
}

DESTDIR=$dest cmake --install "$build_dir" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "cmake --install"; }
game=$dest/usr/games/keyslinger
data=$dest/usr/share/games/keyslinger
[[ -x $game ]] || fail "no usr/games/keyslinger"
for item in Maps Objects sounds docs/index.html; do
  [[ -e $data/$item ]] || fail "no usr/share/games/keyslinger/$item"
done
[[ -e $dest/usr/games/Maps || -e $dest/usr/games/maps ]] && fail "content installed beside the executable"

# Read-only as an installed system's folders are; the file list shows writes even by root.
chmod -R a-w "$dest"
(cd "$dest" && find . -printf '%p %s %T@\n' | sort) >"$work/before"
mkdir -p "$home"

e2e_start_xvfb 1280x1024x24

# Started from another folder, as a desktop's menu does: nothing may depend on the current folder.
(cd "$work" && exec env -i PATH=/usr/bin:/bin HOME="$home" USER=tester DISPLAY="$display" "$game" \
  >"$work/game.log" 2>&1) &
game_pid=$!

menu_shown=0
for _ in $(seq 300); do
  for id in $(DISPLAY=$display xdotool search --onlyvisible --name "" 2>/dev/null); do
    geometry=$(DISPLAY=$display xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
    eval "$geometry"
    [[ $WIDTH == 305 && $HEIGHT == 361 ]] && { menu_shown=1; break 2; }
  done
  kill -0 "$game_pid" 2>/dev/null || fail "the installed game ended before its menu showed"
  sleep 0.1
done
[[ $menu_shown == 1 ]] || fail "the main menu did not show"

ini=$home/.local/share/keyslinger/Player.ini
for _ in $(seq 100); do [[ -s $ini ]] && break; sleep 0.1; done
[[ -s $ini ]] || fail "no first profile in ~/.local/share/keyslinger/Player.ini"
grep -q '^levels=1' "$ini" || { cat "$ini"; fail "the first profile has no levels=1"; }
grep -qi '^\[curplayer\]' "$ini" || { cat "$ini"; fail "no current player in Player.ini"; }
mode=$(stat -c %a "$home/.local/share/keyslinger")
[[ $mode == 700 ]] || fail "the per-user folder has mode $mode, not 700"

(cd "$dest" && find . -printf '%p %s %T@\n' | sort) >"$work/after"
if ! diff -u "$work/before" "$work/after" >"$work/diff"; then
  cat "$work/diff"
  fail "the game wrote into the installed folders"
fi
echo "installed game: menu shown, first profile in $ini, installed folders untouched"
