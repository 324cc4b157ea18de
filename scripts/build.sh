#!/usr/bin/env bash
# Configures and builds the project with Ninja and ccache into BUILD_DIR
# (default: build). With target names as arguments only those targets (and
# what they need) are built, e.g. scripts/build.sh vexlof vexlof-konfig.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
export CCACHE_DIR=${CCACHE_DIR:-$here/.cache/ccache}
export CCACHE_BASEDIR=$here
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
else
  cmake "$build" >/dev/null
fi
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
