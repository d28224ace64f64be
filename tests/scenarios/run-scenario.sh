#!/usr/bin/env bash
# Runs one scenario file through the driver and compares what it prints with the file's
# "#> " lines (a line "#>" alone expects an empty line). A scenario whose expectations contain
# an "error:" line expects the driver to stop with exit status 2; any other must end with 0.
# Each scenario runs in a fresh temporary folder, so a relative path it writes (a snapshot)
# lands there and nothing outside the clone is needed. A folder NAME.serve beside NAME.tvs is
# served over HTTP on the loopback address while the scenario runs, and its rates file is the
# program's address for the currency rates.
set -uo pipefail
driver=$(realpath "$1")
scenario=$(realpath "$2")
work=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
served=${scenario%.tvs}.serve
if [ -d "$served" ]; then
  python3 "$(dirname "$0")/../serve-files.py" "$served" "$work/port" 120 &
  server=$!
  for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.05; done
  export TARVEL_RATES_URL="http://127.0.0.1:$(cat "$work/port")/eurofxref-daily.xml"
  # The served rates are as old on any day the scenario runs.
  export TARVEL_TODAY=2026-12-10
  export TARVEL_RATES_HISTORY_URL="http://127.0.0.1:$(cat "$work/port")/eurofxref-hist.xml"
fi
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
