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

# The clipboard is watched through X11, so under Wayland Nimbrel runs on
# XWayland. Some sessions start XWayland without exporting DISPLAY: use its
# socket then.
if [[ -z "${DISPLAY:-}" && -n "${WAYLAND_DISPLAY:-}" ]]; then
  for socket in /tmp/.X11-unix/X*; do
    if [[ -S "$socket" && -O "$socket" ]]; then
      export DISPLAY=":${socket##*/X}"
      break
    fi
  done
  if [[ -z "${DISPLAY:-}" ]]; then
    echo "run: Wayland session without XWayland; Nimbrel needs XWayland (enable it in your compositor)" >&2
    exit 1
  fi
fi
if [[ -z "${DISPLAY:-}" ]]; then
  echo "run: no graphical session found (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
  exit 1
fi

export QT_QPA_PLATFORM=xcb
exec "$binary" "$@"
