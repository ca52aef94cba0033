#!/usr/bin/env bash
# Installs the build into a temporary prefix, starts the installed program on a
# fresh working folder and checks that it was seeded from the installed data
# (which leaves out the Markdown sources that the source tree's data/ holds).
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
for f in bin/kestrametrix bin/kestrametrix-cli bin/kestrametrix-decoder-sim \
         share/applications/kestrametrix.desktop \
         share/icons/hicolor/64x64/apps/kestrametrix.png \
         share/kestrametrix/data/Guides/HelpSandYachtingFR.pdf \
         share/kestrametrix/data/BaseDonnéesPays.bd \
         share/kestrametrix/data/Private/RéglagesAffichage.rgsc; do
  [ -e "$tmp/prefix/$f" ] || fail "not installed: $f"
done
[ ! -e "$tmp/prefix/share/kestrametrix/data/Guides/HelpSandYachtingFR.md" ] ||
  fail "the guide's source is installed"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$tmp/prefix/share/applications/kestrametrix.desktop"
fi

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$tmp/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"
wd="$tmp/travail"
"$tmp/prefix/bin/kestrametrix" --workdir "$wd" --unattended --quit-after 800 \
  >"$tmp/out.txt" 2>&1 || { cat "$tmp/out.txt"; fail "the installed program failed"; }
for f in BaseDonnéesPays.bd RéglagesSons.rg Guides/HelpSandYachtingFR.pdf \
         sons images Private/Course.race; do
  [ -e "$wd/$f" ] || { cat "$tmp/out.txt"; fail "working folder not seeded: $f"; }
done
cmp -s "$wd/BaseDonnéesPays.bd" "$tmp/prefix/share/kestrametrix/data/BaseDonnéesPays.bd" ||
  fail "seeded country list differs from the installed one"
[ ! -e "$wd/Guides/HelpSandYachtingFR.md" ] ||
  fail "the working folder was seeded from the source tree, not the installed data"
# The installed command-line tool finds the installed theme without a working folder.
"$tmp/prefix/bin/kestrametrix-cli" replay "$(dirname "$0")/../data/replay/effacer.scn" \
  --png "$tmp/board.png" >/dev/null || fail "the installed kestrametrix-cli cannot render"
[ -s "$tmp/board.png" ] || fail "no board render"
echo "install: ok"
