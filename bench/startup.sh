#!/usr/bin/env bash
# Start-up of Tarvel against a bare Qt window with a menu and 29 edits, side by side under a
# private Xvfb: from launch to the main window being drawn, and the resident memory once it
# has settled; and Tarvel again on an English desktop, its translation loaded. The three are
# started in turn, ROUNDS times each, after one unmeasured start of each (font caches).
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
#   dbus-run-session -- bench/startup.sh [BUILD_DIR] [ROUNDS]   (with a session bus)
# Exits non-zero when Tarvel's median exceeds 1.25 times the bare window's, in English 1.10
# times Tarvel's own in Spanish, its memory reaches 45 MB or the web engine library is mapped
# at start-up.
set -euo pipefail

build=${1:-build}
rounds=${2:-31}
here=$(cd "$(dirname "$0")" && pwd)
tarvel=$build/tarvel
bare=$build/bench/tarvel_bare_window
probe=$build/bench/startup-probe
for f in "$tarvel" "$bare"; do
  [ -x "$f" ] || { echo "missing $f: build first (make build)" >&2; exit 2; }
done
if [ ! -x "$probe" ] || [ "$here/probe/StartupProbe.cpp" -nt "$probe" ]; then
  g++ -O2 -std=c++17 -o "$probe" "$here/probe/StartupProbe.cpp" -lxcb -lxcb-damage
fi

# A display nobody uses.
display=
for n in $(seq 140 199); do
  if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 2; }
# Without -noreset it resets when its last client leaves, and refuses the next one meanwhile.
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# Its socket is there before it takes connections: waited for until it answers.
for _ in $(seq 100); do
  [ -e /tmp/.X11-unix/X${display#:} ] && xdpyinfo -display "$display" >/dev/null 2>&1 && break
  sleep 0.1
done

# Both programs see the same, empty desktop environment; run under dbus-run-session, a desktop's
# session bus too.
run() {
  env -i PATH="$PATH" DISPLAY="$display" HOME="$work" XDG_RUNTIME_DIR="$work" \
    ${DBUS_SESSION_BUS_ADDRESS:+DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"} \
    XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" LANG="${desktop_lang:-${LANG:-C.UTF-8}}" \
    "$probe" "$@"
}
english() { desktop_lang=en_US.UTF-8 run "$@"; }
# The figures beside the programs' own folders, not among them.
mkdir "$work/figures"
run "Tarvel" "$tarvel" >/dev/null
run "Bare Qt" "$bare" >/dev/null
english "Tarvel" "$tarvel" >/dev/null
: >"$work/figures/tarvel" ; : >"$work/figures/bare" ; : >"$work/figures/english"
for i in $(seq "$rounds"); do
  run "Tarvel" "$tarvel" >>"$work/figures/tarvel"
  run "Bare Qt" "$bare" >>"$work/figures/bare"
  english "Tarvel" "$tarvel" >>"$work/figures/english"
done

median() {  # field file
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'
}
t_vis=$(median visible_ms "$work/figures/tarvel"); b_vis=$(median visible_ms "$work/figures/bare")
t_rss=$(median rss_kb "$work/figures/tarvel"); b_rss=$(median rss_kb "$work/figures/bare")
e_vis=$(median visible_ms "$work/figures/english"); e_rss=$(median rss_kb "$work/figures/english")
webengine=$(grep -c 'webengine=1' "$work/figures/tarvel" || true)
ratio=$(awk -v t="$t_vis" -v b="$b_vis" 'BEGIN {printf "%.2f", t / b}')
english_ratio=$(awk -v e="$e_vis" -v t="$t_vis" 'BEGIN {printf "%.2f", e / t}')
english_bare=$(awk -v e="$e_vis" -v b="$b_vis" 'BEGIN {printf "%.2f", e / b}')
printf 'rounds: %d each, alternating, display %s\n' "$rounds" "$display"
printf '%-22s %10s %12s\n' program "median ms" "median RSS"
printf '%-22s %10s %9.1f MB\n' "tarvel" "$t_vis" "$(awk -v k="$t_rss" 'BEGIN {print k / 1024}')"
printf '%-22s %10s %9.1f MB\n' "bare Qt window" "$b_vis" "$(awk -v k="$b_rss" 'BEGIN {print k / 1024}')"
printf '%-22s %10s %9.1f MB\n' "tarvel in English" "$e_vis" "$(awk -v k="$e_rss" 'BEGIN {print k / 1024}')"
printf 'ratio %s (limit 1.25); web engine mapped in %d of %d starts\n' "$ratio" "$webengine" "$rounds"
printf 'in English: %s times Spanish (limit 1.10), %s times the bare window\n' "$english_ratio" "$english_bare"
ok=1
awk -v r="$ratio" 'BEGIN {exit !(r <= 1.25)}' || { echo "FAIL: start-up slower than 1.25 times the bare window"; ok=0; }
awk -v r="$english_ratio" 'BEGIN {exit !(r <= 1.10)}' || { echo "FAIL: in English slower than 1.10 times in Spanish"; ok=0; }
awk -v k="$t_rss" 'BEGIN {exit !(k < 45 * 1024)}' || { echo "FAIL: 45 MB resident or more"; ok=0; }
[ "$webengine" -eq 0 ] || { echo "FAIL: the web engine is mapped at start-up"; ok=0; }
[ $ok -eq 1 ] && echo "PASS"
[ $ok -eq 1 ]
