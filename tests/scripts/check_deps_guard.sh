#!/usr/bin/env bash
# The dependency guard passes on the install list as it stands and fails,
# naming the package, on a list that misses one configure needs.
set -u
source_dir=$1 build_dir=$2
command -v apt-cache >/dev/null && command -v dpkg >/dev/null ||
    { echo "SKIP: no apt-cache/dpkg here"; exit 77; }
"$source_dir/scripts/check-deps.sh" "$build_dir" "$source_dir/scripts/install-deps.sh" ||
    { echo "FAIL: the guard refuses the real install list"; exit 1; }
reduced=$(mktemp)
trap 'rm -f "$reduced"' EXIT
sed 's/ libqt6opengl6-dev / /' "$source_dir/scripts/install-deps.sh" >"$reduced"
if out=$("$source_dir/scripts/check-deps.sh" "$build_dir" "$reduced" 2>&1); then
    echo "FAIL: the guard accepts a list without libqt6opengl6-dev"; exit 1
fi
grep -q 'libqt6opengl6-dev' <<<"$out" || { echo "FAIL: the package is not named: $out"; exit 1; }
echo "guard passes the real list and names the missing package"
