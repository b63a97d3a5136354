#!/usr/bin/env bash
# Installs what Corvane needs on Debian 12. Without arguments: what building
# and running the programs needs (the compiler, CMake, Qt 6, FFmpeg's
# libraries, chmlib and the help compiler, jemalloc, xxHash). With --tests: also what
# the tests, the clang builds and the fuzzer need (GoogleTest, clang, ffmpeg
# and MKVToolNix for the media checks, a virtual display and xdotool for the
# end-to-end test, the desktop's and the distribution's own checkers for the
# desktop entry, the AppStream record and the manual pages, GNU time for the
# benchmark).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools
  libavformat-dev libavcodec-dev libavutil-dev
  libchm-dev fp-utils
  libjemalloc-dev libxxhash-dev
)
case "${1:-}" in
  "") ;;
  --tests)
    packages+=(
      libgtest-dev libgmock-dev
      clang libclang-rt-14-dev clang-format
      ffmpeg mkvtoolnix dvdauthor
      xvfb xdotool openbox x11-utils imagemagick
      desktop-file-utils appstream mandoc
      time
    )
    ;;
  *)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
