#!/usr/bin/env bash
# The list-file checks that need the Linux side, for url_list_file_tests.exe:
#  1. a save onto a nearly full disk (a 1 MiB tmpfs mounted here; where
#     mounting is not allowed, a file-size limit of 1 MiB on the Wine process
#     instead) leaves the old list whole and no temporary file behind, and the
#     file the program wrote shows on Linux under its UTF-8 name 网址.txt;
#  2. started from a folder whose path is longer than MAX_PATH, the program
#     still finds its own folder.
# Usage: url_list_file_linux_test.sh PATH/TO/url_list_file_tests.exe
set -euo pipefail
exe="$(readlink -f "$1")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
wine_exec="$root/scripts/wine-exec"
work="$(dirname "$exe")/linux-side"

mounted=""
cleanup() {
    if [ -n "$mounted" ]; then
        umount "$mounted" 2>/dev/null || umount -l "$mounted" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
rm -rf "$work"
mkdir -p "$work"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# The Windows name of a Linux path through Wine's drive Z:.
windows_path() {
    printf 'Z:%s' "${1//\//\\}"
}

# 1. A nearly full disk.
full="$work/full-disk"
mkdir -p "$full"
export VARNELLE_FULL_DISK_FOLDER
VARNELLE_FULL_DISK_FOLDER="$(windows_path "$full")"
if mount -t tmpfs -o size=1m,mode=0755 varnelle-full-disk "$full" 2>/dev/null; then
    mounted="$full"
    echo "full disk: a tmpfs of 1 MiB mounted at $full"
    "$wine_exec" "$exe" --gtest_filter='LinuxSideFullDisk.*' || fail "full disk (tmpfs)"
else
    echo "full disk: mounting is not allowed here; a file-size limit of 1 MiB (ulimit -f) instead"
    (
        trap '' XFSZ
        ulimit -f 1024
        exec "$wine_exec" "$exe" --gtest_filter='LinuxSideFullDisk.*'
    ) || fail "full disk (file-size limit)"
fi
names="$(ls -A "$full")"
[ "$names" = "网址.txt" ] || fail "expected only 网址.txt on Linux, found: $names"
printf 'http://old.cn/\r\n网址\r\n' | iconv -f UTF-8 -t GBK | cmp - "$full/网址.txt" ||
    fail "网址.txt does not hold the old list's GBK bytes"
echo "full disk: old list whole, only 网址.txt in the folder"

# 2. A program folder longer than MAX_PATH.
deep="$work/$(printf 'd%.0s' {1..100})/$(printf 'e%.0s' {1..100})/$(printf 'f%.0s' {1..100})"
mkdir -p "$deep"
cp "$exe" "$deep/"
# Wine cannot make so long a folder the working folder and says so; the
# program does not need it.
status=0
VARNELLE_EXPECTED_PROGRAM_DIRECTORY="$(windows_path "$deep")" \
    "$wine_exec" "$deep/$(basename "$exe")" --gtest_filter='LinuxSideLongPath.*' \
    >"$work/long-path.log" 2>&1 || status=$?
grep -v 'could not open working directory' "$work/long-path.log" || true
[ "$status" -eq 0 ] || fail "long program folder"
echo "long path: program folder of ${#deep} bytes found whole"
