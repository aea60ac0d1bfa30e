#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fresh-machine check: a minimal Debian 12 root made with debootstrap, the repository's HEAD cloned
# into a non-root user's home, the README's commands run there as that user (make test, make run
# until the main menu shows, make test again), then the Debian package built there installed into
# a second pristine root, started, and removed. Prints a summary table of every step and its time.
# Needs root (re-runs itself through sudo) and the network (Debian's mirror). Not part of make test.
# Environment: KEEP=1 keeps the work folder; STEPS="test run test2 package deb" picks steps;
# REUSE=<kept work folder> goes on in an earlier run's root, its clone brought up to HEAD.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
[[ $(id -u) -eq 0 ]] || exec sudo -E "$0" "$@"
for tool in debootstrap git tar; do
  command -v "$tool" >/dev/null || { echo "fresh-machine-check: $tool is needed (apt-get install $tool)"; exit 2; }
done

steps=${STEPS:-"test run test2 package deb"}
if [[ -n ${REUSE:-} ]]; then work=$REUSE; else work=$(mktemp -d /var/tmp/keyslinger-fresh.XXXXXX); fi
chmod 755 "$work"
root=$work/root
root2=$work/root2
user=player
display_run=:16
display_deb=:17
mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
mirror=${mirror:-http://deb.debian.org/debian}
cache=/var/cache/keyslinger-fresh-check  # debootstrap's downloads, kept between runs
summary=()
mounted=()

log() { echo "[$(date -u +%H:%M:%S)] $*"; }

# Every process whose root is one of our chroots is ours: stop them by their ids.
stop_chroot_processes() {
  local pid link
  for pid in /proc/[0-9]*; do
    link=$(readlink "$pid/root" 2>/dev/null) || continue
    [[ $link == "$work"/* ]] && kill "${pid#/proc/}" 2>/dev/null
  done
  sleep 1
  for pid in /proc/[0-9]*; do
    link=$(readlink "$pid/root" 2>/dev/null) || continue
    [[ $link == "$work"/* ]] && kill -9 "${pid#/proc/}" 2>/dev/null
  done
}

mount_chroot() {
  local r=$1
  mount -t proc proc "$r/proc" && mounted+=("$r/proc")
  mount --bind /dev "$r/dev" && mounted+=("$r/dev")
  mount --bind /dev/pts "$r/dev/pts" && mounted+=("$r/dev/pts")
  mount -t tmpfs tmpfs "$r/dev/shm" && mounted+=("$r/dev/shm")
}

unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null; done
  mounted=()
}

cleanup() {
  stop_chroot_processes
  unmount_all
  if [[ ${KEEP:-0} == 1 ]]; then echo "work folder kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Runs a step, timing it: record NAME STATUS SECONDS for the summary.
run_step() {
  local name=$1 start status
  shift
  log "=== $name"
  start=$(date +%s)
  "$@"
  status=$?
  summary+=("$(printf '%-34s %-6s %6ss' "$name" "$([[ $status == 0 ]] && echo ok || echo FAILED)" $(($(date +%s) - start)))")
  log "=== $name: exit $status"
  return $status
}

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
as_user() { in_root /usr/sbin/runuser -u "$user" -- env HOME=/home/$user USER=$user LANG=C.UTF-8 "$@"; }

make_root() {
  mkdir -p "$cache"
  debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -20 "$work/debootstrap.log"; return 1; }
  cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/" 2>/dev/null && rm -f "$root/etc/apt/sources.list"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  echo fresh > "$root/etc/hostname"
  # sudo looks up the kernel's host name, which the chroot shares with the machine.
  echo "127.0.1.1 fresh $(uname -n)" >> "$root/etc/hosts"
  mount_chroot "$root"
  in_root apt-get update -qq && in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq git make sudo >/dev/null || return 1
  in_root useradd -m -s /bin/bash "$user" || return 1
  echo "$user ALL=(ALL) NOPASSWD: ALL" > "$root/etc/sudoers.d/$user"
  chmod 440 "$root/etc/sudoers.d/$user"
  # The pristine root for the package check: nothing installed yet beyond git, make and sudo.
  unmount_all
  tar -C "$root" -cf "$work/pristine.tar" . || return 1
  mount_chroot "$root"
  git clone -q --bare "$repo" "$root/srv/keyslinger.git" || return 1
  in_root chown -R "$user:" /srv/keyslinger.git || return 1
  as_user git clone -q /srv/keyslinger.git "/home/$user/keyslinger"
}

user_make() { as_user bash -c "cd ~/keyslinger && make $1" >"$work/make-$2.log" 2>&1 || { tail -40 "$work/make-$2.log"; return 1; }; }

# Waits up to $2 seconds for a visible window of the game's main menu size on display $1.
wait_for_menu() {
  local r=$1 display=$2 limit=$3 id geometry
  for _ in $(seq $((limit * 2))); do
    for id in $(chroot "$r" env DISPLAY="$display" xdotool search --onlyvisible --name "" 2>/dev/null); do
      geometry=$(chroot "$r" env DISPLAY="$display" xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
      eval "$geometry"
      [[ $WIDTH == 305 && $HEIGHT == 361 ]] && return 0
    done
    sleep 0.5
  done
  return 1
}

start_xvfb() {
  local r=$1 display=$2
  chroot "$r" Xvfb "$display" -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  for _ in $(seq 100); do chroot "$r" env DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1 && return 0; sleep 0.2; done
  echo "Xvfb $display did not start"
  return 1
}

# The game's process in chroot $1: the one whose root is that chroot and whose name is keyslinger.
stop_game_in() {
  local r=$1 pid link
  for pid in /proc/[0-9]*; do
    link=$(readlink "$pid/root" 2>/dev/null) || continue
    [[ $link == "$r" && $(cat "$pid/comm" 2>/dev/null) == keyslinger ]] && kill "${pid#/proc/}"
  done
}

make_run() {
  in_root sh -c 'command -v Xvfb && command -v xdotool' >/dev/null 2>&1 ||
    in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xvfb xdotool >/dev/null
  start_xvfb "$root" "$display_run" || return 1
  as_user env DISPLAY="$display_run" bash -c "cd ~/keyslinger && make run" >"$work/make-run.log" 2>&1 &
  local make_pid=$! shown=0
  # The first make run may build everything: give it long.
  wait_for_menu "$root" "$display_run" 3600 && shown=1
  stop_game_in "$root"
  wait "$make_pid" 2>/dev/null
  [[ $shown == 1 ]] || { echo "the main menu did not show"; tail -30 "$work/make-run.log"; return 1; }
  echo "the main menu showed; the game was stopped"
}

make_package() {
  user_make package package || return 1
  deb=$(ls "$root/home/$user/keyslinger/build/"keyslinger_*_amd64.deb 2>/dev/null | head -1)
  [[ -n $deb ]] || { echo "no build/keyslinger_*_amd64.deb"; return 1; }
  echo "package: ${deb##*/}"
}

# Lists the files of a root that a package may touch (everything but volatile places).
file_list() {
  (cd "$1" && find . -xdev \( -path ./proc -o -path ./dev -o -path ./tmp -o -path ./var/cache -o -path ./var/log \
    -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./run -o -path ./home \) -prune -o -print | sort)
}

deb_check() {
  [[ -n ${deb:-} ]] || deb=$(ls "$root/home/$user/keyslinger/build/"keyslinger_*_amd64.deb 2>/dev/null | head -1)
  [[ -n $deb && -f $deb ]] || { echo "no package built"; return 1; }
  rm -rf "$root2"
  mkdir -p "$root2" && tar -C "$root2" -xf "$work/pristine.tar" || return 1
  mount_chroot "$root2"
  cp "$deb" "$root2/tmp/"
  local r=$root2 name=${deb##*/}
  chroot "$r" apt-get update -qq || return 1
  # Tools to drive the game only; no development package comes near this root.
  chroot "$r" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xvfb xdotool >/dev/null || return 1
  file_list "$r" >"$work/files-before"
  chroot "$r" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$name" >"$work/deb-install.log" 2>&1 ||
    { tail -20 "$work/deb-install.log"; return 1; }
  local dev
  dev=$(chroot "$r" dpkg-query -W -f='${Package}\n' | grep -E -- '-dev$' | tr '\n' ' ')
  [[ -z $dev ]] || echo "note: development packages pulled in: $dev"
  [[ -x $r/usr/games/keyslinger ]] || { echo "/usr/games/keyslinger missing"; return 1; }
  chroot "$r" dpkg -L keyslinger | sort >"$work/deb-files"
  start_xvfb "$r" "$display_deb" || return 1
  chroot "$r" runuser -u "$user" -- env -i HOME=/home/$user USER=$user PATH=/usr/games:/usr/bin:/bin DISPLAY="$display_deb" \
    /usr/games/keyslinger >"$work/deb-game.log" 2>&1 &
  local game=$! ok=0
  wait_for_menu "$r" "$display_deb" 120 && ok=1
  local ini=$r/home/$user/.local/share/keyslinger/Player.ini
  for _ in $(seq 40); do [[ -s $ini ]] && break; sleep 0.5; done
  stop_game_in "$r"
  wait "$game" 2>/dev/null
  [[ $ok == 1 ]] || { echo "the installed game's menu did not show"; cat "$work/deb-game.log"; return 1; }
  [[ -s $ini ]] || { echo "no ~/.local/share/keyslinger/Player.ini"; return 1; }
  grep -qi '^\[' "$ini" || { echo "Player.ini holds no profile:"; cat "$ini"; return 1; }
  echo "menu showed; ~/.local/share/keyslinger/Player.ini holds: $(grep -m1 '^\[' "$ini")"
  chroot "$r" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq keyslinger >/dev/null || return 1
  file_list "$r" >"$work/files-after"
  # The package's dependencies stay installed (apt-get remove leaves them); what counts is that
  # nothing the package itself installed is left, file or folder it made.
  local left path
  # A folder the package shares with a dependency (the hicolor theme's folders) belongs to it.
  left=$(comm -13 "$work/files-before" "$work/files-after" | sed 's|^\.||' | sort | comm -12 - "$work/deb-files" |
    while read -r path; do [[ -d $r$path ]] && chroot "$r" dpkg -S "$path" >/dev/null 2>&1 || echo "$path"; done)
  while read -r path; do
    [[ -z $path || -d $r$path ]] && continue
    [[ -e $r$path || -L $r$path ]] && left+=$'\n'$path
  done <"$work/deb-files"
  left=$(sed '/^$/d' <<<"$left")
  [[ -z $left ]] || { echo "left behind after apt-get remove:"; echo "$left"; return 1; }
  [[ -s $ini ]] || { echo "apt-get remove took the player's data"; return 1; }
  echo "apt-get remove: every installed file gone ($(grep -vc '/$' "$work/deb-files") listed), the player's data kept"
}

log "work folder $work, mirror $mirror, steps: $steps"
# An earlier run's root: mounted again, its clone brought up to this checkout's HEAD.
reuse_root() {
  mount_chroot "$root"
  rm -rf "$root/srv/keyslinger.git"
  git clone -q --bare "$repo" "$root/srv/keyslinger.git" && in_root chown -R "$user:" /srv/keyslinger.git &&
    as_user git -C "/home/$user/keyslinger" pull -q --ff-only
}
if [[ -n ${REUSE:-} ]]; then
  run_step "reuse $work" reuse_root || { printf '%s\n' "${summary[@]}"; exit 1; }
else
  run_step "debootstrap + git make sudo + user" make_root || { printf '%s\n' "${summary[@]}"; exit 1; }
fi
for step in $steps; do
  case $step in
    test) run_step "make test (first)" user_make test test ;;
    run) run_step "make run (until the menu shows)" make_run ;;
    test2) run_step "make test (again)" user_make test test2 ;;
    package) run_step "make package" make_package ;;
    deb) run_step ".deb in a fresh root" deb_check ;;
  esac
done
echo
echo "Fresh-machine check summary ($(date -u +%F))"
printf '%-34s %-6s %7s\n' STEP RESULT TIME
printf '%s\n' "${summary[@]}"
failed=$(printf '%s\n' "${summary[@]}" | grep -c FAILED)
exit $((failed > 0))
