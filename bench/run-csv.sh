#!/usr/bin/env bash
# Runs every benchmark and writes the figures as CSV to bench/results/<machine>.csv.
# Google Benchmark's CSV writer wants the same counters in every row, so each benchmark family
# runs on its own and writes its own header line.
#   bash bench/run-csv.sh <machine-name> [build folder, default build-release]
set -euo pipefail
machine=${1:?name the machine, e.g. xeon-8core-llvmpipe}
build=${2:-build-release}
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/$build" -DCMAKE_BUILD_TYPE=Release -DBRINDLE_BUILD_TESTS=OFF > /dev/null
cmake --build "$root/$build" --target brindle_bench -j4 > /dev/null
bench="$root/$build/bench/brindle_bench"
out="$root/bench/results/$machine.csv"
# The benchmarks read the game's Assets from the checkout.
cd "$root"
# What the benchmarks report (the game's log lines among the figures, standard error) stays out of
# the CSV and is shown at the end.
reports=$(mktemp)
trap 'rm -f "$reports" "$out.figures"' EXIT
run() { if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1280x720x24" "$@"; fi; }
# Other work on the machine slows the figures down: its load goes in the header, before and after.
load() { cut -d' ' -f1-3 /proc/loadavg; }
load_before=$(load)
{
  echo "# $(date -u +%Y-%m-%d) $machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores, Release build"
  echo "# medians, means and deviations of 3 repetitions; ratio counters set a figure against a baseline timed in the same iterations"
  for family in $(run "$bench" --benchmark_list_tests | sed 's|/.*||' | uniq); do
    run "$bench" --benchmark_filter="^$family(/|\$)" --benchmark_min_time=0.3 --benchmark_repetitions=3 \
      --benchmark_report_aggregates_only=true --benchmark_format=csv 2>> "$reports" |
      awk -v reports="$reports" '/^(name,|")/ { print; next } { print >> reports }'
  done
} > "$out.figures"
{
  head -2 "$out.figures"
  echo "# load average (1, 5, 15 minutes) before the run: $load_before; after: $(load)"
  tail -n +3 "$out.figures"
} > "$out"
echo "wrote $out"
if grep -E '\[ERROR\]|\[WARNING\]|\[CHECK\]' "$reports" | sort | uniq -c | grep .; then
  echo "(reported by the benchmarks above: check that each measured what it should)"
fi
