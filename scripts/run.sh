#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j2

binary=$(find build/release -type f -name nimbrel -perm -u+x | head -n 1)
if [[ -z "$binary" ]]; then
  echo "run: the build produced no nimbrel binary" >&2
  exit 1
fi

# Nimbrel reads the clipboard natively where the Wayland compositor allows it and through X11
# otherwise; its windows go to XWayland where there is one. Some sessions start XWayland without
# exporting DISPLAY: use its socket then.
if [[ -z "${DISPLAY:-}" && -n "${WAYLAND_DISPLAY:-}" ]]; then
  for socket in /tmp/.X11-unix/X*; do
    if [[ -S "$socket" && -O "$socket" ]]; then
      export DISPLAY=":${socket##*/X}"
      break
    fi
  done
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run: no graphical session found (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
  exit 1
fi

# Nimbrel lives in the tray and says nothing more once it runs: say how it ends.
echo "run: Nimbrel is starting from $binary; its tray menu's Quit or Ctrl+C here ends it"
exec "$binary" "$@"
