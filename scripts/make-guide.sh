#!/usr/bin/env bash
# Rebuilds the help guide (data/Guides/HelpSandYachtingFR.pdf, or EN with
# --lang en) from its source (the .md beside it), after taking its pictures
# from the program itself, run on the demo in a virtual screen (Xvfb +
# openbox), and from the live page in headless chromium as a phone shows it:
#   docs/guide/fenetre-serie.png        the main window during a demo heat
#   docs/guide/telephone-direct.png     the live page on a phone
#   docs/guide/analyse-pilote.png       "Analyse résultats pilote" (Ctrl+click a line)
#   docs/guide/options-course.png       the race options ("Paramètres")
#   docs/guide/composition.png          the heat composition ("Répartition")
#   docs/guide/grilles-depart.png       the order of the starting grids, after it
#   docs/guide/classement-manche.png    the ranking of round 1
#   docs/guide/classement-general.png   the overall ranking
# (docs/guide/en/ for the English guide). The PDFs are committed; run this
# only to change a guide.
#   scripts/make-guide.sh [--lang fr|en] [--no-shots]
set -euo pipefail
cd "$(dirname "$0")/.."
lang=fr
shots=true
while [ $# -gt 0 ]; do
  case "$1" in
    --lang) lang=${2:?}; shift 2 ;;
    --no-shots) shots=false; shift ;;
    *) echo "usage: scripts/make-guide.sh [--lang fr|en] [--no-shots]" >&2; exit 2 ;;
  esac
done
case "$lang" in
  fr) source=data/Guides/HelpSandYachtingFR.md; pictures=docs/guide ;;
  en) source=data/Guides/HelpSandYachtingEN.md; pictures=docs/guide/en ;;
  *) echo "--lang fr or en" >&2; exit 2 ;;
esac
scripts/install-deps.sh
for p in xvfb xauth openbox xdotool imagemagick chromium chromium-driver python3-selenium; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p"
done
cmake --preset default >/dev/null
cmake --build --preset default --target kestrametrix kestrametrix-decoder-sim kestrametrix-guide

if $shots; then
  work=$(mktemp -d)
  pids=()
  # The demo's decoder simulator is the program's child: stopped with it.
  trap 'set +e; for p in "${pids[@]}"; do pkill -P "$p"; kill "$p"; done 2>/dev/null
        sleep 1; rm -rf "$work"' EXIT
  trap 'exit 1' INT TERM
  # A display of its own: Xvfb picks a free number and says which.
  Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(cat "$work/display")
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  mkdir -m 700 "$work/run"
  mkdir -p "$pictures" "$work/demo"
  # The live results served on a loopback port, as if switched on in
  # "Réglages" → "Résultats en direct".
  port=$((18000 + RANDOM % 1000))
  printf 'DIRECTACTIF\toui\nDIRECTADRESSE\t127.0.0.1\nDIRECTPORT\t%s\n' "$port" \
    >"$work/demo/RéglagesDirect.rg"
  # Heat 1 of round 1 of the demo, run to its end and stopped; then each
  # dialog in turn. A dialog holds the script until it is closed (below).
  printf '%s\n' "select 13101" "wait 500" "command 2001" "wait 110000" "command 2002" \
    "wait 1500" "select 13010" "wait 500" "command 1055" "wait 500" "select 13020" \
    "wait 500" "command 1056" "wait 500" "select 13951" "wait 500" "select 13990" \
    "wait 500" "quit" >"$work/script.txt"
  XDG_RUNTIME_DIR="$work/run" build/default/kestrametrix --lang "$lang" --demo \
    --workdir "$work/demo" --unattended --script "$work/script.txt" >"$work/app.log" 2>&1 &
  app=$!
  pids+=($app)

  # The window in front, when it is one of the program's.
  front() {
    local w
    w=$(xdotool getactivewindow 2>/dev/null) || return 0
    xdotool getwindowname "$w" 2>/dev/null | grep -q . && echo "$w"
    return 0
  }
  # The main window: the first one in front, its title the program's name.
  main=""
  for _ in $(seq 300); do
    w=$(front)
    [ -n "$w" ] && xdotool getwindowname "$w" | grep -q '^Kestrametrix' && { main=$w; break; }
    sleep 0.2
  done
  [ -n "$main" ] || { echo "the program showed no window:" >&2; cat "$work/app.log" >&2; exit 1; }
  # Waits for a dialog in front of the main window, photographs it with its
  # frame and closes it with the key given (Escape: nothing changes).
  dialog() {
    local w=""
    for _ in $(seq 600); do
      w=$(front)
      [ -n "$w" ] && [ "$w" != "$main" ] && break
      w=""
      sleep 0.2
    done
    [ -n "$w" ] || { echo "no dialog for $1; the program said:" >&2; cat "$work/app.log" >&2; exit 1; }
    sleep 1.5
    import -window "$w" -frame -strip "$pictures/$1.png"
    xdotool key "${2:-Escape}"
    for _ in $(seq 100); do [ "$(front)" = "$main" ] && break; sleep 0.2; done
    echo "$pictures/$1.png"
  }
  sleep 40
  /usr/bin/python3 tools/guide/phone_page.py "http://127.0.0.1:$port/" "$pictures/telephone-direct.png"
  echo "$pictures/telephone-direct.png"
  sleep 30
  import -window root -strip "$pictures/fenetre-serie.png"
  echo "$pictures/fenetre-serie.png"
  sleep 15
  # Ctrl+click on the second line of the board (the window fills the
  # 1366 x 768 screen): that pilot's analysis.
  xdotool mousemove 420 189 keydown ctrl click 1 keyup ctrl
  dialog analyse-pilote
  dialog options-course
  dialog composition
  # Closing the composition asks for the order of the starting grids.
  dialog grilles-depart
  # The round's ranking kept ("Valider"), so that the overall one counts it.
  dialog classement-manche Return
  dialog classement-general
  wait "$app" || true
fi

pdf=${source%.md}.pdf
QT_QPA_PLATFORM=offscreen build/default/tools/guide/kestrametrix-guide "$source" "$pdf"
echo "$pdf"
