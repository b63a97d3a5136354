#!/usr/bin/env bash
# Installs everything Corvane needs to build, run and test on Debian 12
# (clang and its runtime libraries for the fuzz target; the desktop's and the
# distribution's own checkers for the desktop entry, the AppStream record and
# the manual pages).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools
  libavformat-dev libavcodec-dev libavutil-dev
  libgtest-dev libgmock-dev
  ffmpeg mkvtoolnix xvfb xdotool imagemagick time openbox x11-utils
  libchm-dev libchm-bin fp-utils
  clang libclang-rt-14-dev
  libjemalloc-dev
  desktop-file-utils appstream mandoc
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
