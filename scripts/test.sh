#!/usr/bin/env bash
# Builds everything and runs every test, headless.
# PRESET=sanitize scripts/test.sh runs the suite under ASan + UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${PRESET:-default}"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
