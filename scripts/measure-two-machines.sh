#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two games of one pupil on two computers over one folder in the network mode: runs written, runs
# kept in side files and added later, and SQLite's integrity check of the file in the end.
usage() {
  cat <<'EOF'
Usage: scripts/measure-two-machines.sh [options] [DRIVER]
  DRIVER          the recorder driver (default build/tests/keyslinger_records_driver)
  --runs N        runs each game plays (default 20)
  --shots N       shots per run (default 60)
  --pause MS      real milliseconds between two shots of a game (default 3)
  --sshfs         only the SSHFS case; exit 77 when it cannot be had
  --check         exit 1 unless every run of both games is in the file and the file is whole
Two cases, each with two driver processes playing at the same time as computers "pc-a" and
"pc-b" (the second starts a moment later):
  1. one folder on this machine, KEYSLINGER_RECORDS_MODE=network;
  2. two SSHFS mounts of one folder, served by an SSH server of the script's own on the loopback,
     the mode left to the game (it must find fuse.sshfs by itself). Needs root, /dev/fuse, and
     the Debian packages sshfs and openssh-server; skipped with a line saying so otherwise.
After both games end, a third open adds the side files; the figures are printed before and after.
EOF
}
set -euo pipefail
runs=20
shots=60
pause=3
only_sshfs=0
check=0
driver=""
while [[ $# -gt 0 ]]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --shots) shots=$2; shift 2 ;;
    --pause) pause=$2; shift 2 ;;
    --sshfs) only_sshfs=1; shift ;;
    --check) check=1; shift ;;
    -h|--help) usage; exit 0 ;;
    -*) echo "unknown option: $1" >&2; usage >&2; exit 2 ;;
    *) driver=$1; shift ;;
  esac
done
driver=${driver:-build/tests/keyslinger_records_driver}
[[ -x $driver ]] || { echo "no driver at $driver (make build)" >&2; exit 2; }
driver=$(realpath "$driver")

work=$(mktemp -d /tmp/keyslinger-two-machines-XXXXXX)
sshd_pid=""
mounts=()
cleanup() {
  for m in "${mounts[@]}"; do fusermount3 -u "$m" 2>/dev/null || fusermount -u "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true; done
  [[ -n $sshd_pid ]] && kill "$sshd_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
failed=0

ms() { date +%s%3N; }

# Plays both games, on folder A (as pc-a) and folder B (as pc-b), then adds the side files and
# reports. $1: the case's name, $2/$3: the folders, $4: the folder to report on.
two_games() {
  local name=$1 a=$2 b=$3 share=$4
  echo "== $name: $runs runs of $shots shots per game"
  local start; start=$(ms)
  "$driver" play "$a" pc-a "$runs" "$shots" "$pause" >"$work/a.out" 2>&1 &
  local pa=$!
  sleep 0.3
  "$driver" play "$b" pc-b "$runs" "$shots" "$pause" >"$work/b.out" 2>&1 &
  local pb=$!
  wait "$pa" || { echo "game pc-a failed:"; cat "$work/a.out"; failed=1; }
  wait "$pb" || { echo "game pc-b failed:"; cat "$work/b.out"; failed=1; }
  echo "   both games ended after $(( $(ms) - start )) ms"
  sed 's/^/   /' "$work/a.out" "$work/b.out"
  echo "   in the file when both ended:  $("$driver" report "$share")"
  # The pupil's next login, here on the server itself ("pc-c"): an SSHFS mount shows another
  # mount's new files only after its cache time (20 s by default), the server at once.
  KEYSLINGER_RECORDS_MODE=network "$driver" play "$share" pc-c 0 0 0 >/dev/null
  local after; after=$("$driver" report "$share")
  echo "   after the next open:          $after"
  local want="runs=$((2 * runs)) shots=$((2 * runs * shots)) journal=delete side_files=0 integrity=ok"
  if [[ $after != "$want" ]]; then
    echo "   expected:                     $want"
    failed=1
  fi
}

if [[ $only_sshfs -eq 0 ]]; then
  mkdir -p "$work/local"
  KEYSLINGER_RECORDS_MODE=network two_games "one folder on this machine, network mode set" \
    "$work/local" "$work/local" "$work/local"
fi

sshfs_missing=""
[[ $(id -u) -eq 0 ]] || sshfs_missing="not root"
[[ -z $sshfs_missing && -c /dev/fuse ]] || sshfs_missing=${sshfs_missing:-"no /dev/fuse"}
for tool in sshfs /usr/sbin/sshd ssh-keygen; do
  [[ -n $sshfs_missing ]] || command -v "$tool" >/dev/null || sshfs_missing="$tool is missing (apt-get install sshfs openssh-server)"
done
if [[ -n $sshfs_missing ]]; then
  echo "== two SSHFS mounts of one folder: skipped, $sshfs_missing"
  [[ $only_sshfs -eq 1 ]] && exit 77
else
  # An SSH server of this script's own: its keys, its port on the loopback, no system files.
  ssh_dir="$work/ssh"
  mkdir -p "$ssh_dir" "$work/share" "$work/mount-a" "$work/mount-b" /run/sshd
  ssh-keygen -q -t ed25519 -N '' -f "$ssh_dir/host_key"
  ssh-keygen -q -t ed25519 -N '' -f "$ssh_dir/client_key"
  cp "$ssh_dir/client_key.pub" "$ssh_dir/authorized_keys"
  port=$((20000 + RANDOM % 20000))
  cat >"$ssh_dir/sshd_config" <<EOF
Port $port
ListenAddress 127.0.0.1
HostKey $ssh_dir/host_key
AuthorizedKeysFile $ssh_dir/authorized_keys
PidFile $ssh_dir/sshd.pid
PermitRootLogin prohibit-password
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
Subsystem sftp internal-sftp
EOF
  /usr/sbin/sshd -f "$ssh_dir/sshd_config" -E "$ssh_dir/sshd.log"
  for _ in $(seq 100); do [[ -s $ssh_dir/sshd.pid ]] && break; sleep 0.1; done
  sshd_pid=$(cat "$ssh_dir/sshd.pid" 2>/dev/null || true)
  options="port=$port,IdentityFile=$ssh_dir/client_key,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,LogLevel=ERROR"
  mounted=1
  for m in "$work/mount-a" "$work/mount-b"; do
    if sshfs -o "$options" "root@127.0.0.1:$work/share" "$m"; then mounts+=("$m"); else mounted=0; fi
  done
  if [[ $mounted -eq 0 || -z $sshd_pid ]]; then
    echo "== two SSHFS mounts of one folder: skipped, the mounts could not be made"
    cat "$ssh_dir/sshd.log" 2>/dev/null || true
    [[ $only_sshfs -eq 1 ]] && exit 77
  else
    echo "   mounts: $(grep -c " $work/mount-. " /proc/self/mountinfo) of type $(awk -v m="$work/mount-a" '$5 == m {for (i = 7; i <= NF; i++) if ($i == "-") {print $(i + 1); exit}}' /proc/self/mountinfo)"
    # The game's own choice: no setting from the environment or a configuration file.
    (
      unset KEYSLINGER_RECORDS_MODE
      export XDG_CONFIG_HOME="$work/no-config" XDG_CONFIG_DIRS="$work/no-config"
      two_games "two SSHFS mounts of one folder, mode left to the game" "$work/mount-a" "$work/mount-b" "$work/share"
      if grep -L "mode=network" "$work/a.out" "$work/b.out" | grep -q .; then
        echo "   a game did not take the SSHFS mount for a network file system"
        failed=1
      fi
      exit $failed
    ) || failed=1
  fi
fi

if [[ $check -eq 1 && $failed -ne 0 ]]; then exit 1; fi
exit 0
