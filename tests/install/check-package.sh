#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks its file list and its
# dependencies.   check-package.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1) ||
  { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$tmp"/kestrametrix_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$tmp/files"
for f in /usr/bin/kestrametrix /usr/bin/kestrametrix-cli /usr/bin/kestrametrix-decoder-sim \
         /usr/share/applications/kestrametrix.desktop \
         /usr/share/icons/hicolor/64x64/apps/kestrametrix.png \
         /usr/share/kestrametrix/data/Guides/HelpSandYachtingFR.pdf \
         /usr/share/kestrametrix/data/BaseDonnéesPays.bd \
         /usr/share/kestrametrix/data/sons/; do
  grep -qxF "$f" "$tmp/files" || fail "missing from the package: $f"
done
# Nothing outside the prefix, nothing in a home or working folder.
if grep -vE '^/(usr/?|usr/(bin|share)(/.*)?)?$' "$tmp/files" | grep -q .; then
  grep -vE '^/(usr/?|usr/(bin|share)(/.*)?)?$' "$tmp/files" >&2
  fail "files outside /usr/bin and /usr/share"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6printsupport6 libqt6multimedia6 libmicrohttpd12 fonts-liberation; do
  [[ $depends == *"$d"* ]] || fail "dependency not computed: $d (Depends: $depends)"
done
echo "package: ok ($(basename "$deb"))"
