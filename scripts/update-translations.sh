#!/usr/bin/env bash
# Gathers the texts the official reads into the English catalogues
# (translations/kestrametrix_en_*.ts, one for each part of the program), to be
# translated with Qt Linguist or any text editor.
#
#   scripts/update-translations.sh           updates the catalogues
#   scripts/update-translations.sh --check   changes nothing; fails when a
#                                            catalogue is not up to date or a
#                                            text has no English form
#
# The French of the code is the source text. A new language is a new set of
# catalogues: copy the lines below with its code in place of "en".
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate)

# catalogue: the folders whose texts it holds
areas=(
  "window:app platform display timing race session services"
  "dialogs:planning results databases reports storage"
  "pages:live tools"
)

check=false
[ "${1:-}" = "--check" ] && check=true
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for area in "${areas[@]}"; do
  name=${area%%:*}
  read -r -a folders <<<"${area#*:}"
  ts=translations/kestrametrix_en_$name.ts
  target=$ts
  if $check; then
    target=$work/$name.ts
    [ -f "$ts" ] && cp "$ts" "$target"
  fi
  # -I . lets it read the headers, where the classes' namespace is: the
  # context of a tr() is the class's full name, as the program looks it up.
  "$lupdate" -silent -locations none -no-obsolete -source-language fr -target-language en -I . \
    -tr-function-alias QT_TRANSLATE_NOOP+=KSY_TRANSLATE_NOOP \
    -extensions cpp,h "${folders[@]}" -ts "$target" 2> >(grep -v "undeclared qualified class" >&2)
  if $check; then
    if ! cmp -s "$ts" "$target"; then
      echo "$ts is not up to date: run scripts/update-translations.sh" >&2
      diff "$ts" "$target" | head -40 >&2 || true
      status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$target" || true)
    if [ "$unfinished" != 0 ]; then
      echo "$ts: $unfinished texts without English:" >&2
      grep -B1 'type="unfinished"' "$target" | grep '<source>' | head -40 >&2
      status=1
    fi
  fi
done
exit $status
