#!/usr/bin/env bash
# The desktops' search boxes: installs the build into a temporary prefix, starts a private
# session bus that knows only the services installed there, and asks the provider, which the
# bus starts from its installed service file, what GNOME Shell and KRunner would ask.
#   scripts/check-search-provider.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
service=$prefix/share/dbus-1/services/org.example.Tarvel.SearchProvider.service
grep -q "^Exec=$prefix/bin/tarvel-search-provider$" "$service"
test -f "$prefix/share/gnome-shell/search-providers/org.example.Tarvel.search-provider.ini"
test -f "$prefix/share/krunner/dbusplugins/org.example.Tarvel.desktop"

cat > "$prefix/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$prefix</listen>
  <servicedir>$prefix/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF

# A display for the Tarvel that an activation starts.
display=
for n in $(seq 150 199); do
  if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 2; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$prefix"' EXIT
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done
mkdir -m 700 "$prefix/home" "$prefix/run"

# The figures in the user's format: a comma as the decimal separator.
env LANG=es_ES.UTF-8 DISPLAY="$display" PATH="$prefix/bin:$PATH" HOME="$prefix/home" \
  XDG_RUNTIME_DIR="$prefix/run" XDG_CONFIG_HOME="$prefix/home/config" dbus-run-session --config-file="$prefix/session.conf" -- bash -euo pipefail -c '
  call() { gdbus call --session --dest org.example.Tarvel.SearchProvider \
             --object-path /org/example/Tarvel/SearchProvider --method "$@"; }
  ms() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
  start=$(date +%s%N)
  ids=$(call org.gnome.Shell.SearchProvider2.GetInitialResultSet "[\"5\", \"pies\"]")
  echo "GetInitialResultSet [5, pies]: $ids (first query, the provider started by the bus: $(ms $start) ms)"
  first=$(sed -E "s/^\(\[([^],]*).*/\1/" <<<"$ids")
  metas=$(call org.gnome.Shell.SearchProvider2.GetResultMetas "[$first]")
  echo "GetResultMetas [$first]: $metas"
  grep -q "5 pies = 1,524 m" <<<"$metas"
  none=$(call org.gnome.Shell.SearchProvider2.GetInitialResultSet "[\"xyzzy\"]")
  echo "GetInitialResultSet [xyzzy]: $none"
  [ "$none" = "(@as [],)" ]
  start=$(date +%s%N)
  match=$(call org.kde.krunner1.Match "100 km/h")
  echo "Match 100 km/h: $match ($(ms $start) ms)"
  grep -q "27,7778 m/seg" <<<"$match"
  start=$(date +%s%N)
  for i in 1 2 3 4 5 6 7 8 9 10; do call org.gnome.Shell.SearchProvider2.GetInitialResultSet "[\"pul\"]" >/dev/null; done
  echo "GetInitialResultSet [pul], ten calls: $(( $(ms $start) / 10 )) ms each, gdbus included"
  # The chosen answer opens in Tarvel, started for it: the length window.
  call org.gnome.Shell.SearchProvider2.ActivateResult "$first" "[\"5\", \"pies\"]" 0
  timeout 30 xdotool search --sync --name "^Unidades de longitud\$" >/dev/null
  echo "ActivateResult $first: the window \"Unidades de longitud\" opened"
  tarvel=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
             --method org.freedesktop.DBus.GetConnectionUnixProcessID org.example.Tarvel |
           sed -E "s/.*uint32 ([0-9]+).*/\1/")
  kill "$tarvel"
  # The provider would wait a minute for more calls; this bus ends now.
  pid=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
          --method org.freedesktop.DBus.GetConnectionUnixProcessID org.example.Tarvel.SearchProvider |
        sed -E "s/.*uint32 ([0-9]+).*/\1/")
  kill "$pid"
'
echo "search provider: PASS"
