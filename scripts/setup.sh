#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# It only calls apt-get when something is missing, so a second run is instant.
set -euo pipefail

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
  # Packaging and checking the desktop entry and metadata.
  dpkg-dev
  desktop-file-utils
  appstream
  # The end-to-end tests: a window manager on the virtual screen, and the
  # tools that press keys, click and read the window's properties.
  openbox
  xdotool
  wmctrl
  x11-utils
  # The end-to-end tests on a Wayland desktop: the compositor, its X server
  # for X11 programs, and Qt's Wayland plugin, as a Wayland desktop has it.
  weston
  xwayland
  qt6-wayland
  # The end-to-end test on a dark GTK desktop: Qt's GTK theme plugin.
  qt6-gtk-platformtheme
)

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
