#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures a build folder with Ninja; a folder made with another generator or from another source
# tree is made anew with one line saying why, never left to fail inside CMake.
# Usage: scripts/configure-build.sh BUILD_DIR [CMAKE_ARGS...]
set -euo pipefail
build=$1
shift
source_dir=$(cd "$(dirname "$0")/.." && pwd)
generator=Ninja
cache=$build/CMakeCache.txt
if [[ -f $cache ]]; then
  old_generator=$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$cache")
  old_source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")
  if [[ $old_generator != "$generator" ]]; then
    echo "$build/ was configured with ${old_generator:-an unknown generator}; making it anew with $generator"
    rm -rf "$build"
  elif [[ -n $old_source && $(cd "$old_source" 2>/dev/null && pwd -P) != "$(cd "$source_dir" && pwd -P)" ]]; then
    echo "$build/ was configured for $old_source; making it anew for $source_dir"
    rm -rf "$build"
  fi
fi
cmake -S "$source_dir" -B "$build" -G "$generator" "$@" >/dev/null
