#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it and its installed files the way
# a distribution would, installs it with apt, starts the installed program under Xvfb, opens
# the length window with the installed driver, and removes the package again.
#   check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bash scripts/setup.sh package

(cd "$build" && rm -f tarvel_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$PWD/$build"/tarvel_*.deb)
echo "== lintian $(basename "$deb")"
lintian --fail-on error --suppress-tags maintscript-calls-ldconfig "$deb"

echo "== apt-get install"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
trap 'apt-get remove -y -qq tarvel >/dev/null 2>&1 || true' EXIT

echo "== the installed files"
desktop-file-validate /usr/share/applications/org.example.Tarvel.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.example.Tarvel.metainfo.xml
for size in 16 22 24 32 48 64 128 256; do
  test -s "/usr/share/icons/hicolor/${size}x${size}/apps/tarvel.png"
done
man -w tarvel tarvel-script >/dev/null

echo "== the installed program under Xvfb"
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  /usr/bin/tarvel ignored arguments &
  pid=$!
  for _ in $(seq 100); do
    xwininfo -name " - Tarvel - Unidades de pesas y medidas" >/dev/null 2>&1 && break
    sleep 0.1
  done
  xwininfo -name " - Tarvel - Unidades de pesas y medidas" | grep -E "Map State: IsViewable"
  kill "$pid"
  printf "open Longitud1\nwindow\nclose\n" | /usr/bin/tarvel-script
' | tee /dev/stderr | grep -qx "window = Unidades de longitud"

apt-get remove -y -qq tarvel >/dev/null
trap - EXIT
test ! -e /usr/bin/tarvel
echo "== package checked"
