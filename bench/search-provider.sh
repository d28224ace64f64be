#!/usr/bin/env bash
# Query times of the installed search provider, reached through D-Bus activation on a private
# session bus, as GNOME Shell's and KRunner's search boxes reach it.
#   bench/search-provider.sh [BUILD_DIR] [ROUNDS] [QUERIES]
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../scripts/search-bus.sh"
search_bus "$build"
trap 'rm -rf "$prefix"' EXIT
mkdir -m 700 "$prefix/home" "$prefix/run"
env LANG=es_ES.UTF-8 HOME="$prefix/home" XDG_RUNTIME_DIR="$prefix/run" \
  dbus-run-session --config-file="$prefix/session.conf" -- \
  /usr/bin/python3 "$here/search-provider.py" "${2:-10}" "${3:-200}"
