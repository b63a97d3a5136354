#!/usr/bin/env bash
# Configures and builds Corvane with warnings as errors:
#   build.sh              everything, tests included, RelWithDebInfo into build/
#   build.sh --programs   only the window program, corvane-remux, the help
#                         viewer and the help file into build/
#   build.sh --sanitize   everything, Debug with AddressSanitizer and UBSan,
#                         into build-sanitize/
#   build.sh --clang      everything, Release built with clang, into build-clang/
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON)
targets=()
case "${1:-}" in
  "") ;;
  --programs)
    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    # A first build leaves the tests out, so it needs none of their tools; a
    # folder the tests were built in keeps them configured.
    [ -f "$dir/CMakeCache.txt" ] || flags+=(-DCORVANE_TESTS=OFF)
    targets=(--target Pellumbra corvane-remux hh.exe corvane_help)
    ;;
  --sanitize)
    dir=build-sanitize
    flags=(-DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_TESTS=ON)
    ;;
  --clang)
    dir=build-clang
    flags=(-DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=ON)
    # Read when the folder is first configured.
    export CXX=clang++
    ;;
  *)
    echo "usage: $0 [--programs|--sanitize|--clang]" >&2
    exit 2
    ;;
esac
cmake -S . -B "$dir" -G Ninja -DCORVANE_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
