#!/usr/bin/env bash
# Runs every benchmark program; each prints its own fast/literal ratios.
set -euo pipefail
dir=${1:-build/release/bench}
for b in "$dir"/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_min_time=0.2 "${@:2}"
done
