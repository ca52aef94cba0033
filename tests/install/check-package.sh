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
# Manual pages and the Debian documents are there.
for f in /usr/share/man/man1/kestrametrix.1.gz /usr/share/man/man1/kestrametrix-cli.1.gz \
         /usr/share/man/man1/kestrametrix-decoder-sim.1.gz \
         /usr/share/doc/kestrametrix/copyright /usr/share/doc/kestrametrix/changelog.gz; do
  grep -qxF "$f" "$tmp/files" || fail "missing from the package: $f"
done
if grep -q '/\.git' "$tmp/files"; then fail "repository files shipped"; fi
# lintian: no error and no warning (the package's own overrides say why, see
# the README).
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 ||
    { cat "$tmp/lintian.log" >&2; fail "lintian"; }
  cat "$tmp/lintian.log"
else
  fail "lintian is not installed (scripts/install-deps.sh)"
fi
echo "package: ok ($(basename "$deb"))"
