#!/usr/bin/env bash
# Tarvel as a native Wayland client, under weston's headless backend started here: the
# program maps its main window (its title set, the compositor's configuration acknowledged,
# a picture attached), and a length scenario runs through the driver on Wayland.
#   check-wayland.sh [BUILD_DIR]
# The compositor has no seat (no keyboard, no pointer): the driver types its own keys.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
tarvel_pid=
cleanup() {
  [ -n "$tarvel_pid" ] && kill "$tarvel_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=tarvel-check \
  --idle-time=0 --log="$runtime/weston.log" &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/tarvel-check" ] && break
  sleep 0.1
done
if [ ! -S "$runtime/tarvel-check" ]; then
  echo "check-wayland: weston did not start" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=tarvel-check QT_QPA_PLATFORM=wayland
mkdir -p "$runtime/config"

# The program itself; the client side of its conversation with the compositor is logged.
XDG_CONFIG_HOME=$runtime/config WAYLAND_DEBUG=client "$build/tarvel" 2>"$runtime/tarvel.log" &
tarvel_pid=$!
mapped=no
for _ in $(seq 200); do
  if grep -q 'set_title(" - Tarvel - Unidades de pesas y medidas")' "$runtime/tarvel.log" &&
     grep -q 'xdg_surface@[0-9]*\.ack_configure' "$runtime/tarvel.log" &&
     grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$runtime/tarvel.log"; then
    mapped=yes
    break
  fi
  kill -0 "$tarvel_pid" 2>/dev/null || break
  sleep 0.1
done
kill "$tarvel_pid" 2>/dev/null || true
wait "$tarvel_pid" 2>/dev/null || true
tarvel_pid=
if [ "$mapped" != yes ]; then
  echo "check-wayland: Tarvel did not map its main window on Wayland" >&2
  grep -v '^\[' "$runtime/tarvel.log" | tail -20 >&2
  exit 1
fi
echo "check-wayland: Tarvel's main window is mapped on Wayland"

# The driver on Wayland: the compositor's socket found from the driver's private folders,
# keys typed into the window it opened, which the compositor does not activate.
bash tests/scenarios/run-scenario.sh "$build/tarvel-script" tests/scenarios/length-examples-comma.tvs
echo "check-wayland: the length scenario runs through tarvel-script on Wayland"
