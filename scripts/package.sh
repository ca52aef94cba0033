#!/usr/bin/env bash
# Builds the Debian package of the program: build/package/kestrametrix_<version>_<arch>.deb
# Install it with:  sudo apt install ./build/package/kestrametrix_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset package
cmake --build --preset package
(cd build/package && cpack -G DEB)
ls -1 build/package/kestrametrix_*.deb
