#!/usr/bin/env bash
# Checks the Debian package: what it holds, and lintian. Then, as root, installs
# it, runs the command line from /usr/bin, starts the desktop program the way
# the desktop menu does for two users at once (root and nobody, each with a
# fresh home), and removes the package again.
#
#   scripts/package-test.sh build/release/package/decaventrix_<version>_amd64.deb
set -euo pipefail

deb=$(realpath "${1:?usage: package-test.sh decaventrix_VERSION_amd64.deb}")
source_dir=$(cd "$(dirname "$0")/.." && pwd)
version=$(dpkg-deb -f "$deb" Version)
title="Decaventrix - Ver. $version - Freeware" # the main window's caption
work=$(mktemp -d)
chmod 711 "$work" # so that nobody reaches its home below
background=()
remove_package=0

say() { echo "package-test: [${SECONDS}s] $*"; }
fail() {
    echo "package-test: FAIL: $*" >&2
    exit 1
}

cleanup() {
    for pid in "${background[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ "$remove_package" = 1 ]; then
        say "removing the package"
        apt-get remove -y -qq -o DPkg::Lock::Timeout=300 decaventrix >/dev/null ||
            echo "package-test: could not remove the package" >&2
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# expect "what" "expected" "actual"
expect() {
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# --- What the package holds -------------------------------------------------
say "checking $(basename "$deb") (version $version)"
case "$(basename "$deb")" in
decaventrix_"${version}"_amd64.deb) ;;
*) fail "package file name is not decaventrix_${version}_amd64.deb" ;;
esac

dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' >"$work/contents"
for path in /usr/bin/decaventrix /usr/bin/decaventrix-cli \
    /usr/share/applications/decaventrix.desktop \
    /usr/share/icons/hicolor/scalable/apps/decaventrix.svg \
    /usr/share/icons/hicolor/48x48/apps/decaventrix.png \
    /usr/share/man/man1/decaventrix.1.gz /usr/share/man/man1/decaventrix-cli.1.gz \
    /usr/share/doc/decaventrix/copyright /usr/share/doc/decaventrix/changelog.gz; do
    grep -qxF "$path" "$work/contents" || fail "package lacks $path"
done
# Every shipped data file, and nothing of the version control.
(cd "$source_dir/data" && find . -type f ! -name '.git*' | sed 's|^\.|/usr/share/decaventrix|') |
    while read -r path; do
        grep -qxF "$path" "$work/contents" || fail "package lacks the shipped $path"
    done
! grep -q '/\.git' "$work/contents" || fail "package holds version control files"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6; do
    [[ "$depends" == *"$library "* ]] || fail "Depends lacks $library (dpkg-shlibdeps): $depends"
done

dpkg-deb -x "$deb" "$work/tree"
for program in decaventrix decaventrix-cli; do
    binary="$work/tree/usr/bin/$program"
    ! readelf -d "$binary" | grep -qE 'RPATH|RUNPATH' || fail "$program carries an RPATH"
    ! readelf -S "$binary" | grep -qE '\.symtab|\.debug_' || fail "$program is not stripped"
done
expect "decaventrix-cli --version of the package" "decaventrix-cli $version" \
    "$("$work/tree/usr/bin/decaventrix-cli" --version)"
expect "changelog's version" "decaventrix ($version)" \
    "$(zcat "$work/tree/usr/share/doc/decaventrix/changelog.gz" | head -1 | cut -d' ' -f1-2)"

say "lintian"
lintian_status=0
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$work/lintian" || true
[ "$lintian_status" = 0 ] || fail "lintian reports errors or warnings"

# --- Installed --------------------------------------------------------------
if [ "$(id -u)" -ne 0 ]; then
    say "not root: cannot apt-get install the package; SKIPPING the install part"
    exit 0
fi

if dpkg-query -W -f='${Status}' decaventrix 2>/dev/null | grep -q "install ok installed"; then
    say "decaventrix was installed before this test; it stays installed afterwards"
else
    remove_package=1
fi
say "apt-get install $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" \
    >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    fail "apt-get install"
}
expect "installed version" "$version" "$(dpkg-query -W -f='${Version}' decaventrix)"

cd "$work"
export PATH=/usr/bin:/bin
expect "decaventrix-cli on the PATH" /usr/bin/decaventrix-cli "$(command -v decaventrix-cli)"
expect "decaventrix-cli --version" "decaventrix-cli $version" "$(decaventrix-cli --version)"
expect "develop 12 numbers" "66 colonne, Integrale" "$(decaventrix-cli develop --numbers 1-12)"
# The column count is the shipped matrix's own, which changes whenever the
# collection is regenerated; what must hold is the guarantee over that count.
adapted=$(decaventrix-cli adapt --index /usr/share/decaventrix/matrici/matrici.qvr --record 13 \
    --numbers 2-9,11-17 --save rid15.dvx </dev/null 2>/dev/null)
columns=${adapted%% colonne*}
[[ "$columns" =~ ^[1-9][0-9]*$ ]] || fail "adapt a shipped matrix: got '$adapted'"
expect "adapt a shipped matrix" "$columns colonne, ridotto 15 numeri garanzia 9" "$adapted"
expect "verify it" "garanzia 9 rispettata: $columns colonne" \
    "$(decaventrix-cli verify rid15.dvx --numbers 2-9,11-17 --level 1)"
man -w decaventrix-cli >/dev/null 2>&1 || [ ! -x /usr/bin/man ] || fail "man decaventrix-cli"

# The desktop program, started as the menu starts it: the desktop entry's Exec
# with its Icon found in the icon theme.
entry=/usr/share/applications/decaventrix.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
read -ra exec_words <<<"$exec_line"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "icon '$icon' not installed"

# A display of our own; -ac lets the second user draw on it too.
Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
background+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=":$(cat "$work/display")"

main_windows() {
    xwininfo -display "$display" -root -tree 2>/dev/null | grep -cF "\"$title\"" || true
}

# start_program HOME [setpriv options...]: runs the Exec line for one user.
start_program() {
    local home=$1
    shift
    env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$display" LANG=C.UTF-8 \
        setpriv "$@" -- "${exec_words[@]}" >"$home.log" 2>&1 </dev/null &
    background+=($!)
}

# wait_for_windows COUNT: up to a minute, for COUNT main windows on the display.
wait_for_windows() {
    local end=$((SECONDS + 60))
    while [ "$SECONDS" -lt "$end" ]; do
        [ "$(main_windows)" -ge "$1" ] && return 0
        sleep 0.2
    done
    xwininfo -display "$display" -root -tree | grep -F '"' >&2 || true
    return 1
}

folder_of() { echo "$1/.local/share/Quorvel/Decaventrix"; }

# root, who could write /usr/bin, must still get a folder of its own.
home_root="$work/home-root"
mkdir -p "$home_root"
say "starting '$exec_line' for root"
start_program "$home_root"
wait_for_windows 1 || fail "no window '$title' for root: $(cat "$home_root.log")"

# nobody, whose own settings file must survive the first start.
home_nobody="$work/home-nobody"
mkdir -p "$(folder_of "$home_nobody")"
printf 'Mia intestazione\r\nMia stampante\r\n' >"$(folder_of "$home_nobody")/impostazioni.cfg"
chown -R nobody: "$home_nobody"
say "starting '$exec_line' for nobody while root's runs"
start_program "$home_nobody" --reuid=nobody --regid="$(id -g nobody)" --clear-groups
wait_for_windows 2 || fail "no second window '$title' for nobody: $(cat "$home_nobody.log")"
say "found the main window '$title' of both users"

for home in "$home_root" "$home_nobody"; do
    folder=$(folder_of "$home")
    for sub in sistemi txt archivio csv matrici images; do
        [ -d "$folder/$sub" ] || fail "$folder/$sub missing"
    done
    [ -f "$folder/archivio/decaventrix.dat" ] || fail "no archive in $folder"
    cmp -s /usr/share/decaventrix/matrici/matrici.qvr "$folder/matrici/matrici.qvr" ||
        fail "shipped matrices not copied into $folder"
done
cmp -s /usr/share/decaventrix/impostazioni.cfg "$(folder_of "$home_root")/impostazioni.cfg" ||
    fail "default settings not copied for root"
expect "nobody's own settings" "Mia intestazione|Mia stampante|" \
    "$(tr '\r\n' '|' <"$(folder_of "$home_nobody")/impostazioni.cfg" | tr -s '|')"
[ "$(stat -c %U "$(folder_of "$home_nobody")/archivio/decaventrix.dat")" = nobody ] ||
    fail "nobody's archive is not nobody's"
for sub in sistemi archivio matrici; do
    [ ! -e "/usr/bin/$sub" ] || fail "the program wrote /usr/bin/$sub"
done
say "each user has a program folder of their own, filled from /usr/share/decaventrix"
say "passed"
