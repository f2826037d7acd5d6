#!/usr/bin/env bash
# Builds the optimised preset and runs the benchmarks; each program ends with its table of ratios.
#   scripts/bench.sh [--sizes=2000,20000,200000] [--import-records=50000]
# The zones are written to a temporary folder on the same disk as /tmp (about 1 GB at 200,000 rooms).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target zone_bench map_paint_bench

echo "== $(uname -srm), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
./build/release/bench/zone_bench "$@"
# Paints take milliseconds: the least disturbed of five repetitions counts.
./build/release/bench/map_paint_bench --benchmark_repetitions=5
