# shellcheck shell=bash
# A desktop of its own for the scripts that use Tarvel as a user does: Xvfb on a free display,
# the openbox window manager, an empty home and XDG folders in a private work folder, and
# helpers to wait for a window by its title and to type keys through the X server.
# Sourced, after `set -euo pipefail`, by a script that has set $name (for its messages):
#   desktop_start WIDTHxHEIGHT   makes $work, starts the X server and the window manager;
#                                everything started through `started` is ended on exit
#   window TITLE [gone]          waits for a window titled exactly TITLE, prints its id
#   activate ID                  makes the window the active one
#   keys KEY...                  xdotool's keys, a pause after them
#   picture ID FILE [-frame]     the window's picture as a PNG: its client area, or with
#                                the window manager's frame

name=${name:-tarvel}
pids=()
work=
desktop_end() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -n "$work" ] && rm -rf "$work"
  return 0
}
trap desktop_end EXIT

# Runs a command in the background, ended on exit.
started() {
  "$@" &
  pids+=($!)
}

desktop_start() {
  local screen=$1 tool
  for tool in Xvfb openbox xprop xdotool xwd xwdtopnm pnmtopng; do
    command -v "$tool" >/dev/null || { echo "$name: $tool is missing (scripts/setup.sh test)" >&2; exit 2; }
  done
  work=$(mktemp -d)
  chmod 0700 "$work"
  # The X server picks a free display itself and says which.
  started Xvfb -displayfd 3 -screen 0 "${screen}x24" -dpi 96 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1
  for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "$name: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  DISPLAY=:$(cat "$work/display")
  export DISPLAY

  # An empty desktop environment of its own.
  mkdir -p "$work/home" "$work/config" "$work/cache" "$work/runtime"
  chmod 0700 "$work/runtime"
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
  export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
  unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME

  started openbox >"$work/openbox.log" 2>&1
  # Programs start once the window manager manages the screen.
  for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "$name: openbox did not start" >&2
  exit 1
}

# Waits for a window whose title is exactly $1 to be shown (or, with "gone", to be gone).
window() {
  local title=$1 want=${2:-shown} id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)
    if [ "$want" = shown ] && [ -n "$id" ]; then echo "$id"; return 0; fi
    if [ "$want" = gone ] && [ -z "$id" ]; then return 0; fi
    sleep 0.2
  done
  echo "$name: the window '$title' is not $want; the program said:" >&2
  cat "$work"/tarvel*.log >&2 2>/dev/null || true
  return 1
}

activate() {
  # The window manager may not take the request while it is still placing the window.
  for _ in $(seq 20); do xdotool windowactivate --sync "$1" 2>/dev/null && break; sleep 0.3; done
  sleep 0.3
}

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }

# The geometry of a window on the screen: x y width height.
geometry() {
  xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
    /^ *Width/ {w = $2} /^ *Height/ {h = $2} END {print x + 0, y + 0, w + 0, h + 0}'
}

picture() {
  local client=$1 frame=$1 tree x y w h cx cy
  xwd -id "$client" -silent | xwdtopnm 2>/dev/null >"$work/client.pnm"
  if [ "${3:-}" != -frame ]; then
    pnmtopng <"$work/client.pnm" >"$2"
    return
  fi
  # The window manager's frame: the ancestor that is a child of the root window. It is cut
  # out of the screen, and the window's own picture is put in it: the screen does not always
  # hold it where windows overlap.
  for _ in 1 2 3 4 5; do
    tree=$(xwininfo -tree -id "$frame")
    grep -q '^ *Parent window id: .*(the root window)' <<<"$tree" && break
    frame=$(sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")
  done
  read -r x y w h < <(geometry "$frame")
  read -r cx cy _ _ < <(geometry "$client")
  xwd -root -silent | xwdtopnm 2>/dev/null |
    pnmcut -left "$x" -top "$y" -width "$w" -height "$h" >"$work/frame.pnm"
  pnmpaste "$work/client.pnm" $((cx - x)) $((cy - y)) "$work/frame.pnm" | pnmtopng >"$2"
}
