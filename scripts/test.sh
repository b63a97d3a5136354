#!/usr/bin/env bash
# Installs what the tests need, checks that every include points down a
# layer and that every C++ file is formatted, then builds and runs every
# test: the gcc build, the AddressSanitizer/UBSan build of the same tests, a
# clang Release build, and a minute of fuzzing. Every build treats warnings
# as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tests
bash scripts/check-layers.sh
bash scripts/check-format.sh
bash scripts/build.sh
(cd build && ctest --output-on-failure -j 2)
bash scripts/build.sh --sanitize
(
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cd build-sanitize && ctest --output-on-failure -j 2
)
bash scripts/build.sh --clang
(cd build-clang && ctest --output-on-failure -j 2)
bash scripts/fuzz.sh 60
