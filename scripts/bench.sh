#!/usr/bin/env bash
# Builds the `bench` preset, runs every benchmark program and prints one
# table: each path, its goal and what was measured on this machine (the
# median of the repetitions, then their spread: smallest to largest and the
# coefficient of variation), with the machine and its load before and after.
# Figures taken while the load average is above the number of cores are the
# machine's, not the program's.
#   scripts/bench.sh               everything (about five minutes)
#   REPETITIONS=3 scripts/bench.sh quicker, noisier (5 by default)
# The raw results stay in build/bench/results/ (one JSON file per program).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
repetitions="${REPETITIONS:-5}"
export KSY_BENCH_REPETITIONS="$repetitions"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cmake --preset bench >/dev/null
cmake --build --preset bench >&2

results=build/bench/results
rm -rf "$results"
mkdir -p "$results"
machine() {
  echo "$(nproc) cores: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
    "$(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo)"
}
machine >"$results/machine.txt"
echo "before: $(uptime)" >"$results/load.txt"
shopt -s nullglob
for program in build/bench/benchmarks/ksy_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name="$(basename "$program")"
  echo "== $name" >&2
  "$program" --benchmark_out="$results/$name.json" --benchmark_out_format=json >&2
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

echo "after:  $(uptime)" >>"$results/load.txt"

python3 - "$results" <<'EOF'
import glob, json, os, re, statistics, sys

results = sys.argv[1]
# Every repetition of each benchmark, by name.
runs = {}
for path in glob.glob(os.path.join(results, "*.json")):
    with open(path) as f:
        for b in json.load(f)["benchmarks"]:
            if b.get("run_type") == "aggregate" or b.get("error_occurred"):
                continue
            name = re.sub(r"/(iterations:\d+|manual_time|real_time|min_time:[\d.]+|"
                          r"min_warmup_time:[\d.]+|repeats:\d+)", "", b.get("run_name", b["name"]))
            runs.setdefault(name, []).append(b)

SCALE = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def values(name, key=None, scale=1.0):
    out = []
    for b in runs.get(name, []):
        if key is None:
            out.append(b["real_time"] * SCALE[b.get("time_unit", "ns")] * scale)
        elif key in b:
            out.append(b[key] * scale)
    return out


def number(v):
    return f"{v:.3f}" if v < 1 else f"{v:.2f}" if v < 10 else f"{v:.1f}"


def spread(vs, unit):
    """The median, then smallest to largest and the coefficient of variation."""
    m = statistics.median(vs)
    if len(vs) < 2:
        return f"{number(m)} {unit}"
    mean = statistics.mean(vs)
    cv = statistics.stdev(vs) / mean * 100 if mean else 0
    return f"{number(m)} {unit}  ({number(min(vs))}–{number(max(vs))}, cv {cv:.0f}%, n={len(vs)})"


rows = []  # path, goal, measured, met (None: no goal)


def row(path, vs, unit, goal=None):
    goal_text = f"< {goal:g} {unit}" if goal else ""
    if not vs:
        rows.append((path, goal_text, "not run", False if goal else None))
        return
    rows.append((path, goal_text, spread(vs, unit),
                 None if goal is None else statistics.median(vs) < goal))


def timed(name, path, goal=None, unit="ms"):
    row(path, values(name, scale=1e3 if unit == "µs" else 1.0), unit, goal)


def counter(name, key, path, goal, unit, scale=1.0):
    row(path, values(name, key, scale), unit, goal)


timed("race/store last heat", "store the last heat of the 43 MB race", 2)
timed("race/load last heat", "load the last heat (a click in the race tree)", 2)
timed("race/open race", "open a race, warm page cache", 50)
timed("race/open race, cold page cache", "open a race, cold page cache", 50)
timed("race/start-up, crash copy and new race",
      "start-up's race file work, that race as the previous one", 100)
startup = os.path.join(results, "startup.txt")
if os.path.exists(startup):
    starts = {"large": [], "new": []}
    for line in open(startup):
        parts = line.split()
        if len(parts) == 3 and parts[0] in starts:
            starts[parts[0]].append((float(parts[1]) * 1000, int(parts[2]) / 1024))
    if starts["large"] and starts["new"]:
        large = sorted(starts["large"])[len(starts["large"]) // 2]
        new = sorted(starts["new"])[len(starts["new"]) // 2]
        extra = large[0] - new[0]
        rows.append(("whole program start-up, that race as the previous one", "",
                     f"{large[0]:.0f} ms, {large[1]:.0f} MB peak", None))
        rows.append(("  the same with a new race as the previous one", "",
                     f"{new[0]:.0f} ms, {new[1]:.0f} MB peak", None))
        rows.append(("  what that race adds to the start-up", "< 100 ms",
                     f"{extra:.0f} ms", extra < 100))
timed("BM_BoardPaint1920x1080", "board paint, 20 rows, 1920 x 1080, all of it", 4)
timed("BM_BoardPaintAfterPassing", "  the paint after a passing (its rows only)", 2)
timed("BM_BoardPaintClockTick", "  the paint of a clock tick (the clocks only)", 0.5)
counter("BM_RunningTickWithJournalOnDisk", "p99_us",
        "tick with one passing, journal on the disk, p99", 50, "µs")
counter("BM_RunningTickWithJournalOnDisk", "p50_us", "  the same, median", None, "µs")
counter("BM_RunningTickWithJournalOnDisk", "max_us", "  the same, slowest tick by repetition",
        None, "µs")
counter("BM_RunningTickWithJournalOnDisk", "ticks_over_2ms", "  ticks over 2 ms by repetition",
        None, "")
slow = [b for b in runs.get("BM_RunningTickWithJournalOnDisk", []) if "max_us" in b]
if slow:
    worst = max(slow, key=lambda b: b["max_us"])
    rows.append(("  the slowest of all: its processor time, waits, times taken off, faults", "",
                 f"{worst['max_us']:.0f} µs: {worst.get('slowest_cpu_us', 0):.0f} µs, "
                 f"{worst.get('slowest_waits', 0):.0f}, {worst.get('slowest_preempted', 0):.0f}, "
                 f"{worst.get('slowest_faults', 0):.0f}", None))
counter("BM_JournalRecordOnDisk", "max_us",
        "journal record handed over to forced on the disk, slowest", 100, "ms", 1e-3)
counter("BM_JournalRecordOnDisk", "p50_us", "  the same, median", None, "ms", 1e-3)
counter("BM_RunningTickWithJournalForcedOnTick", "p99_us",
        "(before) tick with the journal forced on the tick, p99", None, "µs")
timed("BM_RunningTickWithOnePassing", "tick with one passing, no journal, mean", unit="µs")
counter("BM_TickWhile200PhonesFollowTheHeat", "p99_us",
        "tick while 200 phones follow the live results, p99", 50, "µs")
for size, label in ((1 << 10, "1 KB"), (1 << 20, "1 MB"), (10 << 20, "10 MB"), (43 << 20, "43 MB")):
    timed(f"race/section lookup, byte by byte (before)/{size}",
          f"(before) section lookup byte by byte, {label}")
    timed(f"race/section lookup, full scan/{size}", f"section lookup, index built, {label}")
    timed(f"race/section lookup, indexed/{size}", f"section lookup, index kept, {label}")
shown = {"race/store last heat", "race/load last heat", "race/open race",
         "race/open race, cold page cache", "race/start-up, crash copy and new race",
         "BM_BoardPaint1920x1080", "BM_BoardPaintAfterPassing", "BM_BoardPaintClockTick",
         "BM_RunningTickWithJournalOnDisk", "BM_JournalRecordOnDisk",
         "BM_RunningTickWithJournalForcedOnTick", "BM_RunningTickWithOnePassing",
         "BM_TickWhile200PhonesFollowTheHeat"}
for name in sorted(runs):
    if name not in shown and not name.startswith("race/section lookup"):
        timed(name, name)

width = max(len(r[0]) for r in rows)
print()
print(f"{'path':<{width}}  {'goal':<10}  median (smallest–largest, coefficient of variation, repetitions)")
print(f"{'-' * width}  {'-' * 10}  {'-' * 40}")
for path, goal, value, met in rows:
    mark = "" if met is None else ("  ok" if met else "  MISSED")
    print(f"{path:<{width}}  {goal:<10}  {value}{mark}")
print()
print(open(os.path.join(results, "machine.txt")).read().strip())
print(open(os.path.join(results, "load.txt")).read().rstrip())
EOF
