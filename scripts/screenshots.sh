#!/usr/bin/env bash
# Pictures of the main window during a heat of the demo, on a virtual screen
# of 1366 x 768 and one of 1920 x 1080 with a window manager, written to
# docs/fenetre-<size>.png (shown in the README), or docs/window-<size>.png
# with the interface in English.
#   scripts/screenshots.sh [DISPLAY] [--lang fr|en]     (default: a free display, French)
# The program must be built (scripts/run.sh or cmake --build); Xvfb, openbox
# and xauth are installed when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
asked=
lang=fr
while [ $# -gt 0 ]; do
  case "$1" in
    --lang) lang=${2:?}; shift 2 ;;
    *) asked=$1; shift ;;
  esac
done
name=fenetre
[ "$lang" = en ] && name=window
app=build/default/kestrametrix
[ -x "$app" ] || { echo "build the program first (scripts/run.sh or cmake --build)"; exit 1; }
missing=()
for p in xvfb xauth openbox; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=$([ "$(id -u)" = 0 ] || echo sudo)
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

for size in 1366x768 1920x1080; do
  display=$asked
  if [ -n "$display" ]; then
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp &
    xvfb=$!
    sleep 1
  else
    # Xvfb picks a free display and says which: never another's screen.
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
    display=:$(cat "$work/display")
  fi
  DISPLAY="$display" openbox &
  wm=$!
  sleep 1
  # Heat 1 of round 1 of "Classe 5" (seven yachts, one minute, then each
  # finishes its lap): the 5 s countdown, then 90 s of passings from the
  # simulated decoder, when the first yachts have their flag and the others
  # are on their last lap.
  cat > "$work/script.txt" <<SCRIPT
select 13101
wait 500
command 2001
wait 95000
shot $PWD/docs/$name-$size.png
command 2002
wait 500
quit
SCRIPT
  rm -f "docs/$name-$size.png"
  DISPLAY="$display" "$app" --lang "$lang" --demo --workdir "$work/demo-$size" --unattended \
    --script "$work/script.txt" 2>"$work/errors-$size.txt" || true
  kill "$wm" "$xvfb" 2>/dev/null || true
  wait "$wm" "$xvfb" 2>/dev/null || true
  if [ ! -s "docs/$name-$size.png" ]; then
    echo "no picture at $size; the program said:" >&2
    cat "$work/errors-$size.txt" >&2
    exit 1
  fi
  echo "docs/$name-$size.png"
done
