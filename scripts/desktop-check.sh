#!/usr/bin/env bash
# Tarvel on a real X11 desktop: Xvfb with the openbox window manager, and keys typed by
# xdotool through the X server, as a user types them. The menu is opened from the keyboard,
# "A letras" is opened, a number typed, Tab goes to its "Letras:" box and Escape must close
# the window. A picture of the window, taken from the X server before Escape, is left in
# BUILD_DIR/desktop-check.png.
#   desktop-check.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
program=$build/tarvel
[ -x "$program" ] || { echo "desktop-check: missing $program: build first" >&2; exit 2; }
for tool in Xvfb openbox xprop xdotool xwd xwdtopnm pnmtopng; do
  command -v "$tool" >/dev/null || { echo "desktop-check: $tool is missing (scripts/setup.sh test)" >&2; exit 2; }
done

work=$(mktemp -d)
chmod 0700 "$work"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# The X server picks a free display itself and says which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "desktop-check: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

# An empty desktop environment of its own.
mkdir -p "$work/home" "$work/config" "$work/cache" "$work/runtime"
chmod 0700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# The program starts once the window manager manages the screen.
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
"$program" >"$work/tarvel.log" 2>&1 &
pids+=($!)

# Waits for a window whose title is exactly $1 to be shown (or, with "gone", to be gone).
window() {
  local title=$1 want=${2:-shown} id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)
    if [ "$want" = shown ] && [ -n "$id" ]; then echo "$id"; return 0; fi
    if [ "$want" = gone ] && [ -z "$id" ]; then return 0; fi
    sleep 0.2
  done
  echo "desktop-check: the window '$title' is not $want; the program said:" >&2
  cat "$work/tarvel.log" >&2
  return 1
}
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }

main=$(window " - Tarvel - Unidades de pesas y medidas")
# The window manager may not take the request while it is still placing the window.
for _ in $(seq 20); do xdotool windowactivate --sync "$main" 2>/dev/null && break; sleep 0.3; done
sleep 0.3
# Archivo (Alt+A), on to "Unidades de medida", past "Buscar unidad..." down to "Numeración",
# into it, down to "A letras".
keys alt+a Right Down Right Down Down Down Return
words=$(window " Tarvel - números y letras")
echo "desktop-check: \"A letras\" open from the keyboard"
xdotool type --delay 60 21
keys Tab
sleep 1  # the window painted
xwd -id "$words" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$build/desktop-check.png"
echo "desktop-check: picture of the window in $build/desktop-check.png"
keys Escape
window " Tarvel - números y letras" gone >/dev/null
echo "desktop-check: Escape in \"Letras:\" closed the window"
xdotool search --onlyvisible --name "^ - Tarvel - Unidades de pesas y medidas\$" >/dev/null || {
  echo "desktop-check: the main window is gone too" >&2
  exit 1
}
