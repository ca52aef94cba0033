#!/usr/bin/env bash
# Fuzzes every reader of outside input for SECONDS seconds each (default 30),
# two targets at a time, under AddressSanitizer and UndefinedBehaviorSanitizer.
# The targets are built by the "fuzz" preset (clang, pure library only) and
# seeded from the shipped data, the test data and fuzz/seeds/. An input that
# crashes a target is left in build/fuzz/crashes/<target>/ and the script
# fails: fix the reader, and keep the input in tests/data/fuzz/<target>/ where
# the ordinary tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
parallel="${FUZZ_JOBS:-2}"

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz
rm -rf "$out/seeds" "$out/logs"
mkdir -p "$out/seeds" "$out/logs" "$out/corpus" "$out/crashes"

# seed TARGET PREFIX FILE...: FILE's bytes, after the byte that chooses the
# reader for the targets that read several formats.
seed() {
  local target=$1 prefix=$2
  shift 2
  mkdir -p "$out/seeds/$target"
  local f
  for f in "$@"; do
    [ -f "$f" ] || continue
    { [ -n "$prefix" ] && printf "\\x$prefix"; cat "$f"; } \
      > "$out/seeds/$target/$prefix$(basename "$f" | tr -c 'A-Za-z0-9._\n' '_')"
  done
}

for t in fuzz/seeds/*/; do seed "$(basename "$t")" "" "$t"*; done
races=(fuzz/seeds/race_file/*)
for p in 00 01 02 03 04 05 06 07; do seed section_bodies "$p" "${races[@]}"; done
seed databases 00 data/BaseDonnéesParcours.bd
seed databases 01 data/BaseDonnéesClubs.bd
seed databases 02 data/BaseDonnéesPilotes.bd
seed databases 03 data/BaseDonnéesTranspondeurs.bd
seed databases 04 data/BaseDonnéesFréquences.bd
seed databases 05 data/BaseDonnéesPays.bd
seed settings 00 data/Private/RéglagesAffichage.rgsc data/*.scrn
seed settings 01 data/RéglagesSons.rg
seed settings 02 data/RéglagesInterface2.rg
seed heat_scenario "" tests/data/replay/*.scn docs/*.scn
seed csv_sheet "" tests/data/sheets/*.csv
seed xlsx_sheet "" tests/data/sheets/engagements.xlsx
seed ods_sheet "" tests/data/sheets/*.ods
# The inputs that once failed are seeds too.
for t in tests/data/fuzz/*/; do [ -d "$t" ] && seed "$(basename "$t")" "" "$t"*; done

run_target() {
  local target=$1 seconds=$2 out=$3
  mkdir -p "$out/corpus/$target" "$out/crashes/$target"
  if "$out/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$out/crashes/$target/" \
      "$out/corpus/$target" "$out/seeds/$target" >"$out/logs/$target.log" 2>&1; then
    echo "fuzz_$target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' \
      "$out/logs/$target.log" | grep -o '[0-9]*$') inputs, no failure"
  else
    echo "fuzz_$target: FAILED (see $out/logs/$target.log)"
    tail -n 40 "$out/logs/$target.log"
    return 1
  fi
}
export -f run_target

targets=()
for f in "$out"/fuzz/fuzz_*; do [ -x "$f" ] && targets+=("$(basename "$f" | sed 's/^fuzz_//')"); done
printf '%s\n' "${targets[@]}" |
  xargs -P "$parallel" -I{} bash -c 'run_target "$@"' _ {} "$seconds" "$out"
