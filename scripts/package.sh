#!/usr/bin/env bash
# Builds the program and its Debian package into BUILD_DIR (default: build):
# build/vexlof_<version>_<arch>.deb. Install it with
#   apt install ./build/vexlof_*.deb
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
"$here/scripts/install-deps.sh"
export BUILD_DIR=$build
# Only what the package holds: the program, its helper and the schema script.
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
else
  cmake "$build" >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target vexlof vexlof-konfig vexlof_schema
cd "$build"
cpack -G DEB
ls -1 "$build"/vexlof_*.deb
