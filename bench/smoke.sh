#!/usr/bin/env bash
# Runs every benchmark once, for the shortest time, as the suite's test bench_smoke. The figures
# mean nothing here; what fails the test is a benchmark that would give wrong figures or none: a
# crash or non-zero exit, a failed check ("[CHECK]"), a report of a world that did not build as
# meant ("[ERROR]", "[WARNING]") or a benchmark that gave up ("ERROR OCCURRED", no GL among its
# causes). The one warning let through is the virtual display's: it cannot turn vertical sync off.
#
# They run on a small X server of their own: the benchmark that plays levels in the game's window
# (FrameVersusFloor) then draws every frame as the game does, at a size the software renderer
# makes short work of, and no window of theirs shows on another test's display. Each benchmark that
# draws opens the display and closes it again, so the server must not reset when the last client
# leaves: a benchmark connecting just then could not open it.
#
#   bench/smoke.sh build/bench/brindle_bench      (from the repository root)
set -uo pipefail
bench=$1
output=$(mktemp)
trap 'rm -f "$output"' EXIT
xvfb-run -a -s "-screen 0 320x180x24 -noreset" "$bench" --benchmark_min_time=0.000001 > "$output" 2>&1
status=$?
cat "$output"
problems=$(grep -E '\[ERROR\]|\[WARNING\]|\[CHECK\]|ERROR OCCURRED' "$output" |
  grep -v '^\[WARNING\] SDL could not turn vertical sync off')
if [ "$status" -ne 0 ]; then
  echo "FAILED: the benchmarks ended with status $status"
  exit 1
fi
if [ -n "$problems" ]; then
  echo "FAILED: these lines say a benchmark did not measure what it should:"
  echo "$problems"
  exit 1
fi
echo "every benchmark ran"
