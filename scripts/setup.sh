#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging
# need, on Debian 12 (bookworm) and Debian 13 (trixie), from a minimal
# install with only build-essential, cmake and git.
# It only calls apt-get when something is missing, so a second run is instant.
#
#   setup.sh                 what `make run`, `make test` and `make package` use
#   setup.sh --check-fresh   what `make check-fresh` uses on the host
set -euo pipefail

# One package a line. The names are the same on Debian 12 and 13: the t64
# renames of 13 touch only libraries, which come in as dependencies, and
# fonts-liberation2, a transitional name on 13, brings the same fonts there.
packages=(
  build-essential
  cmake
  qt6-base-dev
  qt6-svg-dev
  qt6-qpa-plugins
  libgl-dev
  fonts-liberation2
  fonts-comic-neue
  xvfb
  xauth
  # Packaging, and checking the package, the desktop entry and the metadata.
  dpkg-dev
  file
  lintian
  desktop-file-utils
  appstream
  # The end-to-end tests: a window manager on the virtual screen, the tools
  # that press keys, click and read the window's properties, and ps.
  openbox
  xdotool
  wmctrl
  x11-utils
  procps
  # A window manager of the tests' own, written against XCB.
  libxcb1-dev
  # The end-to-end tests on a Wayland desktop: the compositor, its X server
  # for X11 programs, and Qt's Wayland plugin, as a Wayland desktop has it.
  weston
  xwayland
  qt6-wayland
  # The end-to-end test on a dark GTK desktop: Qt's GTK theme plugin.
  qt6-gtk-platformtheme
)

if [ "${1:-}" = --check-fresh ]; then
  packages=(debootstrap git)
elif [ $# -ne 0 ]; then
  echo "usage: $0 [--check-fresh]" >&2
  exit 2
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
  else
    echo "Missing packages (${missing[*]}) and no root rights: install them as root." >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
