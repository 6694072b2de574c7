#!/usr/bin/env bash
# Installs the Debian 12 packages Nimbrel needs to build, run and test.
# Only packages dpkg does not list as installed are fetched, so a second run
# does no apt work at all. Works as root, or through sudo when it exists.
set -euo pipefail

packages=(
  # Build
  build-essential cmake ninja-build pkg-config
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  # Translations: lupdate and lrelease with their CMake package, and Qt's own catalogs
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libxcb1-dev libxcb-xfixes0-dev libxcb-res0-dev libdbus-1-dev libwayland-dev libwayland-bin
  # Qt's Gui package looks for xkbcommon and says so at every configure when it is missing
  libxkbcommon-dev
  # Packaging and its checks: dpkg-shlibdeps for the package's Depends, the
  # desktop entry and AppStream metainfo validators
  dpkg-dev desktop-file-utils appstream
  # Fuzzing: clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev
  # End-to-end tests and screenshots: display, session bus, notification
  # daemon, tray host, clipboard and input drivers, window inspection
  xvfb xauth dbus dbus-x11 dunst trayer xclip xdotool imagemagick
  libglib2.0-bin x11-utils
  # Wayland tests: headless compositor with XWayland (and xhost to let root in), clipboard
  # tools, a native window
  sway xwayland x11-xserver-utils wl-clipboard foot qt6-wayland
  # Tray tests: panels that show StatusNotifierItems and draw their menus (waybar, xfce4-panel),
  # and a screen grabber for sway
  waybar xfce4-panel grim
  # Fault tests and bench/desktop: process tree and memory figures
  # (bench/desktop installs the CopyQ it compares against itself)
  procps python3
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  if [[ "$status" != "installed" ]]; then
    missing+=("$package")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run as root (or install sudo) to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
# Wait for another apt run to finish rather than failing on its lock.
apt_options=(-o DPkg::Lock::Timeout=300)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" install -y --no-install-recommends "${missing[@]}"
