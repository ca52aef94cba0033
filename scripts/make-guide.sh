#!/usr/bin/env bash
# Rebuilds the French help guide, data/Guides/HelpSandYachtingFR.pdf, from its
# source data/Guides/HelpSandYachtingFR.md, after taking its screenshots from
# the demo in a virtual screen (Xvfb + openbox):
#   docs/guide/fenetre-serie.png   the main window during a demo heat
# The PDF is committed; run this only to change the guide.
#   scripts/make-guide.sh [--no-shots]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh
for p in xvfb xauth openbox; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p"
done
cmake --preset default >/dev/null
cmake --build --preset default --target kestrametrix kestrametrix-decoder-sim kestrametrix-guide

if [ "${1:-}" != "--no-shots" ]; then
  work=$(mktemp -d)
  trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
  display=:$((70 + RANDOM % 20))
  Xvfb "$display" -screen 0 1600x900x24 -nolisten tcp &
  sleep 1
  DISPLAY=$display openbox >/dev/null 2>&1 &
  sleep 1
  mkdir -m 700 "$work/run"
  # A heat of the demo: chosen in the tree, started, shot after the first laps.
  printf '%s\n' "select 13101" "wait 500" "command 2001" "wait 75000" "command 2002" \
    "wait 500" "quit" >"$work/script.txt"
  DISPLAY=$display XDG_RUNTIME_DIR="$work/run" build/default/kestrametrix --demo \
    --workdir "$work/demo" --unattended --script "$work/script.txt" >/dev/null 2>&1 &
  app=$!
  sleep 70
  mkdir -p docs/guide
  DISPLAY=$display import -window root -strip "docs/guide/fenetre-serie.png"
  wait "$app" || true
fi

QT_QPA_PLATFORM=offscreen build/default/tools/guide/kestrametrix-guide \
  data/Guides/HelpSandYachtingFR.md \
  data/Guides/HelpSandYachtingFR.pdf
echo "data/Guides/HelpSandYachtingFR.pdf"
