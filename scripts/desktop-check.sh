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
name=desktop-check
# shellcheck source=scripts/x-desktop.sh
source scripts/x-desktop.sh
desktop_start 1280x1024
started "$program" >"$work/tarvel.log" 2>&1

main=$(window " - Tarvel - Unidades de pesas y medidas")
activate "$main"
# Archivo (Alt+A), on to "Unidades de medida", past "Buscar unidad..." down to "Numeración",
# into it, down to "A letras".
keys alt+a Right Down Right Down Down Down Return
words=$(window " Tarvel - números y letras")
echo "desktop-check: \"A letras\" open from the keyboard"
xdotool type --delay 60 21
keys Tab
sleep 1  # the window painted
picture "$words" "$build/desktop-check.png"
echo "desktop-check: picture of the window in $build/desktop-check.png"
keys Escape
window " Tarvel - números y letras" gone >/dev/null
echo "desktop-check: Escape in \"Letras:\" closed the window"
xdotool search --onlyvisible --name "^ - Tarvel - Unidades de pesas y medidas\$" >/dev/null || {
  echo "desktop-check: the main window is gone too" >&2
  exit 1
}
