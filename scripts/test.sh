#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build, then the
# AddressSanitizer/UBSan build of the same tests, then a minute of fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && ctest --output-on-failure -j 2)
bash scripts/build.sh --sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j 2)
bash scripts/fuzz.sh 60
