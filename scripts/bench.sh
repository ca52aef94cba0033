#!/usr/bin/env bash
# Builds the `bench` preset, runs every benchmark program and prints one
# table: each path, its goal and what was measured on this machine.
#   scripts/bench.sh               everything (about five minutes)
#   REPETITIONS=1 scripts/bench.sh quicker, noisier
# The raw results stay in build/bench/results/ (one JSON file per program).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
repetitions="${REPETITIONS:-3}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cmake --preset bench >/dev/null
cmake --build --preset bench >&2

results=build/bench/results
rm -rf "$results"
mkdir -p "$results"
shopt -s nullglob
for program in build/bench/benchmarks/ksy_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name="$(basename "$program")"
  echo "== $name" >&2
  "$program" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/$name.json" --benchmark_out_format=json >&2
done

# The program's own start-up, window shown and closed at once, with the
# largest race as the previous working race (the file the race benchmark
# left behind) and with a new one.
app=build/bench/kestrametrix
race=/tmp/ksy-bench-race/Championnat.race
if [ -x "$app" ] && [ -f "$race" ]; then
  echo "== kestrametrix start-up" >&2
  : >"$results/startup.txt"
  for previous in large new; do
    for _ in $(seq 1 "$repetitions"); do
      folder="$(mktemp -d)"
      "$app" --workdir "$folder" --unattended --quit-after 0 >/dev/null 2>&1 || true
      if [ "$previous" = large ]; then cp "$race" "$folder/Private/Course.race"; fi
      rm -f "$folder/PcCrashRace.race"
      /usr/bin/time -f "$previous %e %M" -a -o "$results/startup.txt" \
        "$app" --workdir "$folder" --unattended --quit-after 0 >/dev/null 2>&1 || true
      rm -rf "$folder"
    done
  done
fi

python3 - "$results" <<'EOF'
import glob, json, os, re, sys

results = sys.argv[1]
measured = {}
for path in glob.glob(os.path.join(results, "*.json")):
    with open(path) as f:
        for b in json.load(f)["benchmarks"]:
            if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
                continue
            name = re.sub(r"/(iterations:\d+|manual_time|real_time)", "", b.get("run_name", b["name"]))
            measured[name] = b

def time_ms(b):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
    return b["real_time"] * scale

def show_ms(v):
    return f"{v:.3f} ms" if v < 1 else f"{v:.1f} ms"

rows = []  # path, goal, measured, met (None: no goal)
def timed(name, path, goal_ms=None):
    b = measured.get(name)
    if b is None:
        rows.append((path, f"< {goal_ms:g} ms" if goal_ms else "", "not run", False))
        return
    v = time_ms(b)
    rows.append((path, f"< {goal_ms:g} ms" if goal_ms else "", show_ms(v),
                 None if goal_ms is None else v < goal_ms))

def counter(name, key, path, goal, unit, scale=1.0):
    b = measured.get(name)
    if b is None or key not in b:
        rows.append((path, f"< {goal:g} {unit}" if goal else "", "not run", False))
        return
    v = b[key] * scale
    rows.append((path, f"< {goal:g} {unit}" if goal else "", f"{v:.1f} {unit}",
                 None if goal is None else v < goal))

timed("race/store last heat", "store the last heat of the 43 MB race", 20)
timed("race/load last heat", "load the last heat (a click in the race tree)", 20)
timed("race/open race", "open a race (copy, load, heat load)", 50)
timed("race/start-up, crash copy and new race",
      "start-up's race file work, that race as the previous one", 100)
startup = os.path.join(results, "startup.txt")
if os.path.exists(startup):
    runs = {"large": [], "new": []}
    for line in open(startup):
        parts = line.split()
        if len(parts) == 3 and parts[0] in runs:
            runs[parts[0]].append((float(parts[1]) * 1000, int(parts[2]) / 1024))
    if runs["large"] and runs["new"]:
        large = sorted(runs["large"])[len(runs["large"]) // 2]
        new = sorted(runs["new"])[len(runs["new"]) // 2]
        extra = large[0] - new[0]
        rows.append(("whole program start-up, that race as the previous one", "",
                     f"{large[0]:.0f} ms, {large[1]:.0f} MB peak", None))
        rows.append(("  the same with a new race as the previous one", "",
                     f"{new[0]:.0f} ms, {new[1]:.0f} MB peak", None))
        rows.append(("  what that race adds to the start-up", "< 100 ms",
                     f"{extra:.0f} ms", extra < 100))
timed("BM_BoardPaint1920x1080", "board paint, 20 rows, 1920 x 1080, into a QImage", 2)
counter("BM_RunningTickWithJournalOnDisk", "p99_us",
        "tick with one passing, journal on the disk, p99", 50, "µs")
counter("BM_RunningTickWithJournalOnDisk", "max_us",
        "  the same, slowest tick", None, "µs")
counter("BM_JournalRecordOnDisk", "max_us",
        "journal record handed over to forced on the disk, slowest", 100, "ms", 1e-3)
counter("BM_JournalRecordOnDisk", "p50_us", "  the same, median", None, "ms", 1e-3)
counter("BM_RunningTickWithJournalForcedOnTick", "p99_us",
        "(before) tick with the journal forced on the tick, p99", None, "µs")
timed("BM_RunningTickWithOnePassing", "tick with one passing, no journal, mean")
counter("BM_TickWhile200PhonesFollowTheHeat", "p99_us",
        "tick while 200 phones follow the live results, p99", 50, "µs")
for size, label in ((1 << 10, "1 KB"), (1 << 20, "1 MB"), (10 << 20, "10 MB"), (43 << 20, "43 MB")):
    timed(f"race/section lookup, byte by byte (before)/{size}",
          f"(before) section lookup byte by byte, {label}")
    timed(f"race/section lookup, full scan/{size}", f"section lookup, index built, {label}")
    timed(f"race/section lookup, indexed/{size}", f"section lookup, index kept, {label}")
shown = {"race/store last heat", "race/load last heat", "race/open race",
         "race/start-up, crash copy and new race", "BM_BoardPaint1920x1080",
         "BM_RunningTickWithJournalOnDisk", "BM_JournalRecordOnDisk",
         "BM_RunningTickWithJournalForcedOnTick", "BM_RunningTickWithOnePassing",
         "BM_TickWhile200PhonesFollowTheHeat"}
for name in sorted(measured):
    if name not in shown and not name.startswith("race/section lookup"):
        timed(name, name)

width = max(len(r[0]) for r in rows)
print()
print(f"{'path':<{width}}  {'goal':<10}  measured")
print(f"{'-' * width}  {'-' * 10}  {'-' * 24}")
for path, goal, value, met in rows:
    mark = "" if met is None else ("  ok" if met else "  MISSED")
    print(f"{path:<{width}}  {goal:<10}  {value}{mark}")
print()
print(f"{os.cpu_count()} cores: " + next((l.split(':', 1)[1].strip() for l in open('/proc/cpuinfo')
                                          if l.startswith('model name')), "unknown processor"))
EOF
