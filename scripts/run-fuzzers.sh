#!/usr/bin/env bash
# Runs every fuzz target built under BUILD_DIR for SECONDS each, starting from
# a copy of its seed corpus fuzz/corpus/<name>/ (<name> without the fuzz_
# prefix), and fails when any target finds a crash, a leak, a hang, or uses
# more memory than its limits (an unbounded read is a finding too).
# Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail

build_dir=${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS}
seconds=${2:-20}
source_dir=$(cd "$(dirname "$0")/.." && pwd)

mapfile -t targets < <(find "$build_dir" -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#targets[@]} -eq 0 ]; then
    echo "run-fuzzers: no fuzz targets under $build_dir" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    short=${name#fuzz_}
    corpus="$work/$short/corpus"
    artifacts="$work/$short/artifacts"
    mkdir -p "$corpus" "$artifacts"
    if [ -d "$source_dir/fuzz/corpus/$short" ]; then
        cp -r "$source_dir/fuzz/corpus/$short/." "$corpus/"
    fi
    echo "run-fuzzers: $name for ${seconds}s ($(find "$corpus" -type f | wc -l) seeds)"
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=256 \
        -artifact_prefix="$artifacts/" "$corpus" >"$work/$short/log" 2>&1; then
        failed=1
        echo "run-fuzzers: $name FAILED" >&2
        tail -n 40 "$work/$short/log" >&2
        for crash in "$artifacts"/*; do
            [ -e "$crash" ] || continue
            kept="$source_dir/build/fuzz-findings/$name-$(basename "$crash")"
            mkdir -p "$(dirname "$kept")"
            cp "$crash" "$kept"
            echo "run-fuzzers: input kept in $kept" >&2
        done
    else
        grep -E '^(#[0-9]+.*DONE|Done)' "$work/$short/log" | tail -n 1 || true
    fi
done
exit $failed
