#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Idempotent: asks apt only for what is missing, and refreshes the package
# lists only when something has to be installed.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-multimedia-dev
  libgl-dev libxkbcommon-dev libgtest-dev libgmock-dev libbenchmark-dev
  # spreadsheets: unpacking .xlsx/.ods (zlib), writing .xlsx (libxlsxwriter)
  zlib1g-dev libxlsxwriter-dev
  # run and test (Arial-compatible fonts, pseudo-terminals, sound back end)
  fonts-liberation fontconfig socat
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # Qt's own dialogs in French; lupdate and lrelease for the English catalogues
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  # regenerating the shipped data (voices, images) and looking at output
  espeak-ng sox imagemagick poppler-utils
  # fuzzing the readers of outside input (scripts/fuzz.sh): clang and libFuzzer
  clang libclang-rt-14-dev
  # live results: web server, QR code of its address, the headless browser test
  libmicrohttpd-dev libqrencode-dev chromium chromium-driver python3-selenium
  # checking the desktop entry, building the Debian package and checking it
  desktop-file-utils dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
