#!/usr/bin/env bash
# The pictures of the README and of the AppStream file, taken from the built program on a
# desktop of its own: Xvfb with openbox, the Spanish locale, the project's fonts, the keys
# typed through the X server by xdotool, each window taken alone from the X server into
# docs/screenshots/. The desktop is the same at every run (screen size, resolution, fonts, a
# caret that does not blink, no pointer over the windows, empty folders), so a second run on
# the same machine gives the same pictures.
#   screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
program=$build/tarvel
[ -x "$program" ] || { echo "screenshots: missing $program: build first" >&2; exit 2; }
bash scripts/setup.sh pictures
out=$PWD/docs/screenshots
mkdir -p "$out"
name=screenshots
# shellcheck source=scripts/x-desktop.sh
source scripts/x-desktop.sh
desktop_start 1280x1024
started_at=$(date +%s.%N)

# Spanish as a user in Spain has it, the decimal comma included; the locale is made in the
# work folder, the system's left as it is.
mkdir -p "$work/locale"
localedef -i es_ES -f UTF-8 "$work/locale/es_ES.UTF-8" 2>/dev/null || {
  [ -e "$work/locale/es_ES.UTF-8/LC_CTYPE" ] || { echo "screenshots: cannot make the es_ES.UTF-8 locale" >&2; exit 1; }
}
spanish=(env -u LC_ALL -u LC_NUMERIC -u LC_MESSAGES LOCPATH="$work/locale" LANG=es_ES.UTF-8 LANGUAGE=es)
# And English as a user in Britain has it: the interface follows the desktop's language.
localedef -i en_GB -f UTF-8 "$work/locale/en_GB.UTF-8" 2>/dev/null || {
  [ -e "$work/locale/en_GB.UTF-8/LC_CTYPE" ] || { echo "screenshots: cannot make the en_GB.UTF-8 locale" >&2; exit 1; }
}
english=(env -u LC_ALL -u LC_NUMERIC -u LC_MESSAGES LOCPATH="$work/locale" LANG=en_GB.UTF-8 LANGUAGE=en)

# Qt's platform theme holds what the X server cannot: a caret that does not blink, the
# desktop's font as the program's own (the menus take it), and the palette. Light first.
theme() {
  local palette=$1
  mkdir -p "$XDG_CONFIG_HOME/qt6ct"
  {
    echo "[Appearance]"
    echo "style=Fusion"
    if [ "$palette" = dark ]; then
      echo "custom_palette=true"
      echo "color_scheme_path=/usr/share/qt6ct/colors/darker.conf"
    else
      echo "custom_palette=false"
    fi
    echo "[Fonts]"
    echo 'general="Liberation Sans,-1,11,5,400,0,0,0,0,0,0,0,0,0,0,1"'
    echo 'fixed="Liberation Mono,-1,11,5,400,0,0,0,0,0,0,0,0,0,0,1"'
    echo "[Interface]"
    echo "cursor_flash_time=0"
    echo "show_shortcuts_in_context_menus=true"
  } >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
}
export QT_QPA_PLATFORMTHEME=qt6ct

# The currency rates, served from the loopback address in the central bank's daily format:
# the rates of the currency scenario.
mkdir -p "$work/rates"
cp tests/scenarios/currencies-comma.serve/eurofxref-daily.xml "$work/rates/"
started python3 tests/serve-files.py "$work/rates" "$work/port" 600
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(cat "$work/port")
export TARVEL_RATES_URL=http://127.0.0.1:$port/eurofxref-daily.xml
# The served rates are as old on any day the pictures are taken.
export TARVEL_TODAY=2026-12-10

main_title=" - Tarvel - Unidades de pesas y medidas"
run=0
# Starts the program with the palette named, in the configuration it had, and waits for its
# main window; the pointer stays in a corner, away from every window. Spanish unless English
# is asked for, with its main window's title.
start() {
  theme "$1"
  xdotool mousemove 0 0
  run=$((run + 1))
  if [ "${2:-}" = english ]; then
    main_title=" - Tarvel - Weights and measures"
    "${english[@]}" "$program" >"$work/tarvel$run.log" 2>&1 &
  else
    main_title=" - Tarvel - Unidades de pesas y medidas"
    "${spanish[@]}" "$program" >"$work/tarvel$run.log" 2>&1 &
  fi
  tarvel=$!
  pids+=("$tarvel")
  main=$(window "$main_title")
  activate "$main"
}
stop() {
  kill "$tarvel" 2>/dev/null || true
  wait "$tarvel" 2>/dev/null || true
  window "$main_title" gone
}
# The window titled $1, once painted, saved as $2.png.
shoot() {
  local id
  id=$(window "$1")
  sleep 1
  picture "$id" "$out/$2.png" -frame
  echo "screenshots: $2.png ($1)"
}
# The unit search, with the text typed and Enter pressed: the unit's window opens.
search_title="Buscar unidad"
search() {
  keys ctrl+f
  window "$search_title" >/dev/null
  xdotool type --delay 60 "$1"
  sleep 0.5
}
back() {
  keys Return
  window "$1" gone
}

start light
shoot "$main_title" main-window

search "pul"
shoot "Buscar unidad" unit-search
keys Escape
window "Buscar unidad" gone

search "5 pies"
keys Return
shoot "Unidades de longitud" length
back "Unidades de longitud"

search "100 glucosa"
keys Return
shoot "Unidades de datos clínicos" clinical
back "Unidades de datos clínicos"

# The currency window: opened once, its rates are downloaded and kept; then a search for an
# amount opens it with the amount converted.
search "euros"
keys Return
window "Divisas" >/dev/null
for _ in $(seq 100); do [ -s "$XDG_CACHE_HOME/tarvel/eurofxref-daily.xml" ] && break; sleep 0.1; done
back "Divisas"
search "100 dólares"
keys Return
shoot "Divisas" currencies
back "Divisas"
stop

start dark
search "20 celsius"
keys Return
shoot "Unidades de temperatura" temperature-dark
back "Unidades de temperatura"
stop

# The same windows in English, the rates kept by the first run.
start light english
search_title="Find unit"
shoot "$main_title" main-window-en
search "5 feet"
keys Return
shoot "Length units" length-en
back "Length units"
search "100 dollars"
keys Return
shoot "Currencies" currencies-en
back "Currencies"
stop

echo "screenshots: done in $(python3 -c "import time; print(round(time.time() - $started_at, 1))") s"
