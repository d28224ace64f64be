#!/usr/bin/env bash
# Installs the Debian packages that Tarvel needs, but only those that are missing: when
# everything is there it costs one dpkg-query call.
#   setup.sh run       what building and running the program need (make run)
#   setup.sh test      and what the tests need: GoogleTest, the benchmark library, the
#                      compilers of the sanitizer and fuzz builds, Xvfb with a window manager
#                      and xdotool for the desktop checks, the accessibility bus, the
#                      compiler cache, clang-format (make test)
#   setup.sh package   and what building and checking the Debian package needs
#   setup.sh pictures  and what scripts/screenshots.sh needs: the Spanish locale's sources
#                      and a platform theme that gives Qt a dark palette and a steady caret
# With no argument: test.
set -euo pipefail

part=${1:-test}
case "$part" in
  run | test | package | pictures) ;;
  *)
    echo "usage: setup.sh [run|test|package|pictures]" >&2
    exit 2
    ;;
esac

packages=(
  g++ make cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
  libqt6webenginecore6-bin qt6-qpa-plugins qt6-translations-l10n libgl-dev libxcb1-dev
  # the translations: lupdate, lrelease and their CMake functions
  qt6-tools-dev qt6-l10n-tools
  fonts-liberation fonts-liberation2
)
if [ "$part" != run ]; then
  packages+=(
    libgtest-dev libgmock-dev googletest libbenchmark-dev ccache
    # the check of the sources' format (TARVEL_CHECK_FORMAT)
    clang-format
    clang libclang-rt-14-dev
    xvfb xauth x11-utils x11-apps netpbm openbox xdotool libxcb-damage0-dev
    # the accessibility bus: a D-Bus session, the AT-SPI registry and its Python client
    dbus-bin at-spi2-core python3-pyatspi
    # the desktop search provider reached by D-Bus activation, asked with gdbus
    dbus libglib2.0-bin
    # a headless Wayland compositor and Qt's Wayland plugin (which the package recommends)
    weston qt6-wayland
  )
fi
if [ "$part" = package ]; then
  packages+=(dpkg-dev file lintian desktop-file-utils appstream)
fi
if [ "$part" = pictures ]; then
  packages+=(locales qt6ct)
fi

missing=()
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
for p in "${packages[@]}"; do
  grep -qx "$p installed" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Tarvel: installing missing packages: ${missing[*]}"
cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
  runner=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  runner=(sudo)
else
  echo "Tarvel: cannot install packages without root. Run as root:" >&2
  echo "  apt-get update && DEBIAN_FRONTEND=noninteractive ${cmd[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${runner[@]}" apt-get update -qq
"${runner[@]}" "${cmd[@]}"
