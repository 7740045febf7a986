#!/usr/bin/env bash
# Builds in release mode and prints every figure of the program beside its
# floor, measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build-release}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZORVA_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target zorva_bench zorva_process_run

"$build/bench/zorva_bench"

# Peak resident memory, in KiB, of one process.
peak() {
  /usr/bin/time -v "$build/bench/zorva_process_run" "$1" 2>&1 >/dev/null |
    awk -F': ' '/Maximum resident set size/ { print $2 }'
}
runs=5
empty=() test=()
for _ in $(seq $runs); do
  empty+=("$(peak empty)")
  test+=("$(peak test)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
e=$(median "${empty[@]}")
t=$(median "${test[@]}")
echo
echo "Peak memory, median of $runs processes (KiB): whole test $t (${test[*]}), empty window $e (${empty[*]})"
awk -v t="$t" -v e="$e" 'BEGIN { printf "Peak memory ratio %.2f   goal <= 1.2\n", t / e }'
