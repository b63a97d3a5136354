#!/usr/bin/env bash
# Installs, builds and starts Corvane. Until the window lands this starts the
# command-line remux front end: pass SOURCE OUTPUT.mkv to convert a file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ $# -eq 0 ]; then
  exec build/tools/corvane-remux --help
fi
exec build/tools/corvane-remux "$@"
