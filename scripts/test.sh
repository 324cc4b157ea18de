#!/usr/bin/env bash
# Installs what is missing, checks the formatting of the C++ files, builds,
# and runs the whole test suite through ctest (the private MariaDB server is
# started and stopped by the suite).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/format-check.sh"
"$here/scripts/build.sh"
build=${BUILD_DIR:-$here/build}
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
