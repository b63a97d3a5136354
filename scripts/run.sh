#!/usr/bin/env bash
# Installs what the programs need, builds them (no tests) and starts Corvane's
# window program. Give `--remux SOURCE OUTPUT.mkv` to run the command-line
# front end instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh --programs
if [ "${1:-}" = "--remux" ]; then
  shift
  exec build/tools/corvane-remux "$@"
fi
exec build/bin/Pellumbra
