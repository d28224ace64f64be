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

# The currency rates, served from the loopback address in the central bank's daily format.
cat >"$work/eurofxref-daily.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">
	<gesmes:subject>Reference rates</gesmes:subject>
	<gesmes:Sender>
		<gesmes:name>European Central Bank</gesmes:name>
	</gesmes:Sender>
	<Cube>
		<Cube time='2026-12-04'>
			<Cube currency='USD' rate='1.0500'/>
			<Cube currency='JPY' rate='158.20'/>
			<Cube currency='BGN' rate='1.9558'/>
			<Cube currency='CZK' rate='25.102'/>
			<Cube currency='DKK' rate='7.4589'/>
			<Cube currency='GBP' rate='0.83015'/>
			<Cube currency='HUF' rate='404.35'/>
			<Cube currency='PLN' rate='4.2658'/>
			<Cube currency='RON' rate='4.9766'/>
			<Cube currency='SEK' rate='11.3510'/>
			<Cube currency='CHF' rate='0.9302'/>
			<Cube currency='ISK' rate='145.90'/>
			<Cube currency='NOK' rate='11.7455'/>
			<Cube currency='TRY' rate='36.4102'/>
			<Cube currency='AUD' rate='1.6322'/>
			<Cube currency='BRL' rate='6.3270'/>
			<Cube currency='CAD' rate='1.4702'/>
			<Cube currency='CNY' rate='7.6290'/>
			<Cube currency='HKD' rate='8.1690'/>
			<Cube currency='IDR' rate='16705.41'/>
			<Cube currency='ILS' rate='3.7744'/>
			<Cube currency='INR' rate='89.0440'/>
			<Cube currency='KRW' rate='1482.51'/>
			<Cube currency='MXN' rate='21.3600'/>
			<Cube currency='MYR' rate='4.6620'/>
			<Cube currency='NZD' rate='1.7960'/>
			<Cube currency='PHP' rate='61.590'/>
			<Cube currency='SGD' rate='1.4110'/>
			<Cube currency='THB' rate='36.112'/>
			<Cube currency='ZAR' rate='18.9950'/>
		</Cube>
	</Cube>
</gesmes:Envelope>
EOF
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
started python3 -m http.server --bind 127.0.0.1 --directory "$work" "$port" >"$work/http.log" 2>&1
for _ in $(seq 100); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done
export TARVEL_RATES_URL=http://127.0.0.1:$port/eurofxref-daily.xml

main_title=" - Tarvel - Unidades de pesas y medidas"
run=0
# Starts the program with the palette named, in the configuration it had, and waits for its
# main window; the pointer stays in a corner, away from every window.
start() {
  theme "$1"
  xdotool mousemove 0 0
  run=$((run + 1))
  "${spanish[@]}" "$program" >"$work/tarvel$run.log" 2>&1 &
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
search() {
  keys ctrl+f
  window "Buscar unidad" >/dev/null
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

# The currency window, once the program has it.
if printf 'catalogue\n' | "$build/tarvel-script" | grep -qw Tiposdecambio1; then
  search "100 dólares"
  keys Return
  window "Divisas" >/dev/null
  # The rates asked for and read.
  for _ in $(seq 100); do grep -q 'GET /eurofxref-daily.xml' "$work/http.log" && break; sleep 0.1; done
  sleep 1
  shoot "Divisas" currencies
  back "Divisas"
else
  echo "screenshots: currencies.png skipped: this Tarvel has no currency window (Tiposdecambio1)"
fi
stop

start dark
search "20 celsius"
keys Return
shoot "Unidades de temperatura" temperature-dark
back "Unidades de temperatura"
stop

echo "screenshots: done in $(python3 -c "import time; print(round(time.time() - $started_at, 1))") s"
