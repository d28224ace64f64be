#!/usr/bin/env bash
# Fails when a tracked file of the tests, the scenarios, the benchmarks or the scripts names an
# absolute path of one machine: a home or project folder, a shared temporary folder, a mount,
# or the clone's own folder. The suite must run from a fresh clone anywhere. System paths
# (/usr, /etc, /dev, the X server's sockets in /tmp/.X11-unix) are everyone's and stay allowed.
# Exit status 77 when the folder is not a git clone (nothing is tracked to check).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
files=$(git ls-files -- tests scripts bench .ci 2>/dev/null) || {
  echo "check-paths: not a git clone, nothing to check"
  exit 77
}
here=$(pwd -P)
machine='(^|[^[:alnum:]_.$~/-])/(home|root|tmp|work|mnt|media|srv|opt|var/tmp|run/user)(/|[^[:alnum:]_-]|$)'
found=$(
  while IFS= read -r file; do
    [ -f "$file" ] || continue
    grep -nHE -- "$machine" "$file" | grep -vE ':[0-9]+:.*[/]tmp[/][.]X(11-unix|[0-9$])'
    grep -nHF -- "$here" "$file"
  done <<<"$files" | sort -u
)
if [ -n "$found" ]; then
  echo "check-paths: tracked files name absolute paths outside the clone; write under the"
  echo "build folder or a temporary folder (mktemp) instead:"
  echo "$found"
  exit 1
fi
echo "check-paths: $(wc -l <<<"$files") tracked files, no machine paths"
