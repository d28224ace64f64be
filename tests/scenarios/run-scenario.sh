#!/usr/bin/env bash
# Runs one scenario file through the driver and compares what it prints with the file's
# "#> " lines (a line "#>" alone expects an empty line). A scenario whose expectations contain
# an "error:" line expects the driver to stop with exit status 2; any other must end with 0.
# Each scenario runs in a fresh temporary folder, so a relative path it writes (a snapshot)
# lands there and nothing outside the clone is needed.
set -uo pipefail
driver=$(realpath "$1")
scenario=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
expected=$(sed -n -e 's/^#> //p' -e 's/^#>$//p' "$scenario")
actual=$("$driver" "$scenario")
status=$?
want=0
grep -q '^error:' <<<"$expected" && want=2
if [ "$actual" != "$expected" ] || [ "$status" -ne "$want" ]; then
  echo "scenario $(basename "$scenario"): output differs (exit status $status, expected $want)"
  diff -u --label expected --label actual <(printf '%s\n' "$expected") <(printf '%s\n' "$actual")
  exit 1
fi
