#!/usr/bin/env bash
# The desktops' search boxes: installs the build into a temporary prefix, starts a private
# session bus that looks for services there first, and asks the provider, which the bus starts
# from its installed service file, what GNOME Shell and KRunner would ask.
#   scripts/check-search-provider.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/search-bus.sh"
search_bus "$build"
trap 'rm -rf "$prefix"' EXIT
service=$prefix/share/dbus-1/services/org.example.Tarvel.SearchProvider.service
grep -q "^Exec=$prefix/bin/tarvel-search-provider$" "$service"
test -f "$prefix/share/gnome-shell/search-providers/org.example.Tarvel.search-provider.ini"
test -f "$prefix/share/krunner/dbusplugins/org.example.Tarvel.desktop"

mkdir -m 700 "$prefix/home" "$prefix/run"

# The figures in the user's format: a comma as the decimal separator. The Tarvel that the
# provider starts, on a private X server, is read through the accessibility bus, as a screen
# reader reads it.
env LANG=es_ES.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 READ_EDIT="$here/../tests/accessibility/read_edit.py" \
  PREFIX="$prefix" PATH="$prefix/bin:$PATH" HOME="$prefix/home" \
  XDG_RUNTIME_DIR="$prefix/run" XDG_CONFIG_HOME="$prefix/home/config" \
  xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session --config-file="$prefix/session.conf" -- bash -euo pipefail -c '
  call() { gdbus call --session --dest org.example.Tarvel.SearchProvider \
             --object-path /org/example/Tarvel/SearchProvider --method "$@"; }
  ms() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
  start=$(date +%s%N)
  ids=$(call org.gnome.Shell.SearchProvider2.GetInitialResultSet "[\"5\", \"pies\"]")
  echo "GetInitialResultSet [5, pies]: $ids (first query, the provider started by the bus: $(ms $start) ms)"
  pid() { gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | sed -E "s/.*uint32 ([0-9]+).*/\1/"; }
  provider=$(pid org.example.Tarvel.SearchProvider)
  # The provider would wait a minute for more calls, and the Tarvel it starts for ever: this
  # bus ends them when it ends, passed or not.
  trap '"'"'kill $provider ${tarvel:-} 2>/dev/null || true'"'"' EXIT
  [ "$(readlink "/proc/$provider/exe")" = "$(realpath "$PREFIX")/bin/tarvel-search-provider" ]
  echo "the provider runs from the prefix: $(readlink "/proc/$provider/exe")"
  first=$(sed -E "s/^\(\[([^],]*).*/\1/" <<<"$ids")
  # The search box asks again as the user types on; the first answer keeps its own text.
  call org.gnome.Shell.SearchProvider2.GetInitialResultSet "[\"5\", \"pie\"]" >/dev/null
  metas=$(call org.gnome.Shell.SearchProvider2.GetResultMetas "[$first]")
  echo "GetResultMetas [$first]: $metas"
  grep -q "5 pies = 1,524 m" <<<"$metas"
  grep -q "152,4 cm . 60 pulgadas . 1,66667 yardas" <<<"$metas"
  none=$(call org.gnome.Shell.SearchProvider2.GetInitialResultSet "[\"xyzzy\"]")
  echo "GetInitialResultSet [xyzzy]: $none"
  [ "$none" = "(@as [],)" ]
  start=$(date +%s%N)
  match=$(call org.kde.krunner1.Match "100 km/h")
  echo "Match 100 km/h: $match ($(ms $start) ms)"
  grep -q "100 km/h = 27,77778 m/seg" <<<"$match"
  start=$(date +%s%N)
  for i in 1 2 3 4 5 6 7 8 9 10; do call org.gnome.Shell.SearchProvider2.GetInitialResultSet "[\"pul\"]" >/dev/null; done
  echo "GetInitialResultSet [pul], ten calls: $(( $(ms $start) / 10 )) ms each, gdbus included"
  # The chosen answer opens in Tarvel, started for it: the length window.
  call org.gnome.Shell.SearchProvider2.ActivateResult "$first" "[\"5\", \"pies\"]" 0
  timeout 30 xdotool search --sync --name "^Unidades de longitud\$" >/dev/null
  echo "ActivateResult $first: the window \"Unidades de longitud\" opened"
  tarvel=$(pid org.example.Tarvel)
  /usr/bin/python3 "$READ_EDIT" "$tarvel" "Unidades de longitud" "pie [foot ('"'"'), ft]" 5
  /usr/bin/python3 "$READ_EDIT" "$tarvel" "Unidades de longitud" "metro [m]" 1,524
  # A second start hands over to the running Tarvel and ends at once.
  timeout 10 tarvel
  kill -0 "$tarvel"
  echo "a second start of tarvel brought the running one forward and ended"
'
echo "search provider: PASS"
