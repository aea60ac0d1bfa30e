# The common start of the end-to-end scripts: the tools a script needs, a scratch folder, a
# display number of its own, and the cleanup that stops the game and the X server it started.
# Scripts set game_pid and xvfb_pid when they start those; fail() may be redefined after sourcing.

# e2e_require "PACKAGES" TOOL...: exits 77 (skipped) when a tool is missing.
e2e_require() {
  local packages=$1
  shift
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIPPED: $tool is not installed (apt-get install $packages)"
      exit 77
    fi
  done
}

# e2e_session NAME: sets work (a scratch folder, removed at exit) and display.
e2e_session() {
  work=$(mktemp -d "/tmp/keyslinger-$1-XXXXXX")
  display=":$((200 + RANDOM % 500))"
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  [[ -n ${game_pid:-} ]] && kill "$game_pid" 2>/dev/null
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}

fail() {
  echo "FAILED: $*"
  [[ -f $work/Player.ini ]] && { echo "--- Player.ini"; cat "$work/Player.ini"; }
  exit 1
}
