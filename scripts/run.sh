#!/usr/bin/env bash
# Builds the program and starts it. Arguments go to the program
# (for example --workdir DIR, --unattended).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kestrametrix
exec build/default/kestrametrix "$@"
