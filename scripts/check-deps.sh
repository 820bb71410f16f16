#!/usr/bin/env bash
# Fails when configure found a CMake package that scripts/install-deps.sh does
# not install, directly or through Depends: a fresh machine would then stop at
# configure, while this machine (with the package installed by hand) passes.
# Usage: check-deps.sh BUILD_DIR [INSTALL_SCRIPT]
set -euo pipefail
build=${1:?usage: check-deps.sh BUILD_DIR [INSTALL_SCRIPT]}
script=${2:-$(dirname "$0")/install-deps.sh}
cache=$build/CMakeCache.txt
[ -f "$cache" ] || { echo "check-deps: $cache not found (configure first)" >&2; exit 2; }

listed=$(sed -n '/packages=(/,/)/p' "$script" | sed 's/#.*//' | tr -s ' \t()' '\n' |
         grep -E '^[a-z0-9][a-z0-9.+-]+$' | grep -vx packages | sort -u)
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances $listed 2>/dev/null |
          grep -E '^[a-z0-9]' | sed 's/:.*//' | sort -u)
[ -n "$closure" ] || { echo "check-deps: apt-cache gave no dependency list" >&2; exit 2; }

missing=()
while IFS= read -r dir; do
    config=$(ls "$dir"/*Config.cmake "$dir"/*-config.cmake 2>/dev/null | head -n 1 || true)
    [ -n "$config" ] || continue
    owner=$(dpkg -S "$(realpath "$config")" 2>/dev/null | head -n 1 | cut -d: -f1 || true)
    [ -n "$owner" ] || owner=$(dpkg -S "$config" 2>/dev/null | head -n 1 | cut -d: -f1 || true)
    [ -n "$owner" ] || continue
    grep -qx "$owner" <<<"$closure" || missing+=("$owner (for $(basename "$config"))")
done < <(grep -E '_DIR:PATH=/' "$cache" | sed 's/.*=//' | sort -u)

if [ ${#missing[@]} -gt 0 ]; then
    echo "check-deps: configure used packages that $script does not install:" >&2
    printf '  %s\n' "${missing[@]}" | sort -u >&2
    exit 1
fi
echo "check-deps: every CMake package found belongs to an installed-by-script package"
