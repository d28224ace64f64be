#!/usr/bin/env bash
# Reads every window of the program through the accessibility bus, as a screen reader does:
# a private X server (Xvfb) with a window manager, a private D-Bus session in which the AT-SPI
# registry starts on demand, and walk.py driving tarvel-script. Usage: run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$build/tarvel-script" ] || { echo "no $build/tarvel-script" >&2; exit 2; }

inner=$(cat <<'INNER'
set -euo pipefail
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  sleep 0.5
fi
# The AT-SPI registry answers on the session bus once something asks for it.
QT_QPA_PLATFORM=xcb /usr/bin/python3 "$WALK" "$DRIVER"
INNER
)
export WALK="$here/walk.py" DRIVER="$build/tarvel-script"
export LANG=C.UTF-8 NO_AT_BRIDGE=0
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c "$inner"
