#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need.
# Runs apt-get only for what is missing; uses sudo when not root.
set -euo pipefail

pkgs=(
  build-essential cmake ninja-build ccache pkg-config git clang-format
  qt6-base-dev libqt6sql6-mysql libqt6opengl6-dev qt6-charts-dev qt6-translations-l10n
  libquazip1-qt6-dev libqscintilla2-qt6-dev libxlsxwriter-dev libcups2-dev zlib1g-dev
  mariadb-server-core mariadb-client-core mariadb-client libmariadb-dev galera-4 rsync
  fonts-dejavu-core xvfb xauth
  cups-daemon cups-client poppler-utils
)

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
