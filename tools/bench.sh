#!/usr/bin/env bash
# Builds what is needed and prints the benchmark table (not part of ./test);
# the figures also go to build/bench.csv. Optional argument: runs per figure.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORV_SKIP_WIN32=1 bash "$ROOT/tools/build.sh" >/dev/null || { echo "bench: the build failed" >&2; exit 1; }
source "$ROOT/tools/wine-env.sh"
orv_harness_up || exit 1
trap orv_harness_down EXIT
echo "machine: $(nproc) cores, $(free -g | awk '/Mem:/{print $2}') GiB, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
"$ORV_WINE" "$ROOT/build/win64/bench/orv_bench.exe" "${1:-5}" "$(orv_winpath "$ROOT/build/bench.csv")"
