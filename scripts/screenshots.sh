#!/usr/bin/env bash
# Pictures of the main window during a heat of the demo, on a virtual screen
# of 1366 x 768 and one of 1920 x 1080 with a window manager, written to
# docs/fenetre-<size>.png (shown in the README).
#   scripts/screenshots.sh [DISPLAY]     (default :97; needs xvfb and openbox)
set -euo pipefail
cd "$(dirname "$0")/.."
display="${1:-:97}"
app=build/default/kestrametrix
[ -x "$app" ] || { echo "build the program first (scripts/run.sh or cmake --build)"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

for size in 1366x768 1920x1080; do
  Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp &
  xvfb=$!
  sleep 1
  DISPLAY="$display" openbox &
  wm=$!
  sleep 1
  # Heat 1 of round 1 of "Classe 5": the countdown, then about a minute of
  # passings from the simulated decoder.
  cat > "$work/script.txt" <<SCRIPT
select 13101
wait 500
command 2001
wait 65000
shot $PWD/docs/fenetre-$size.png
command 2002
wait 500
quit
SCRIPT
  DISPLAY="$display" "$app" --demo --workdir "$work/demo-$size" --unattended \
    --script "$work/script.txt" 2>"$work/errors-$size.txt" || true
  kill "$wm" "$xvfb" 2>/dev/null || true
  wait "$wm" "$xvfb" 2>/dev/null || true
  echo "docs/fenetre-$size.png"
done
