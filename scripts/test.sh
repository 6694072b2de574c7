#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer build and runs every test.
# The tests that need a desktop get a private X display (Xvfb) and session bus started here;
# everything started here is ended on exit. Needs no display or bus of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset test
cmake --build --preset test -j2

# Each fuzzer briefly, before the tests so that ctest's summary closes the output.
./scripts/fuzz.sh 30

started=()
cleanup() {
  local status=$? pid
  trap - EXIT INT TERM
  for pid in "${started[@]}"; do
    kill -TERM -- "-$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A free display number: no lock file and no socket, and the server really starts.
start_display() {
  local display attempt
  for ((attempt = 0; attempt < 50; attempt++)); do
    display=$((90 + attempt))
    [[ -e "/tmp/.X$display-lock" || -e "/tmp/.X11-unix/X$display" ]] && continue
    setsid Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    local pid=$!
    started+=("$pid")
    local deadline=$((SECONDS + 15))
    while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do
      if xdpyinfo -display ":$display" >/dev/null 2>&1; then
        export DISPLAY=":$display"
        return 0
      fi
      sleep 0.1
    done
    kill -TERM -- "-$pid" 2>/dev/null || true
  done
  echo "test: could not start Xvfb" >&2
  return 1
}

start_display
unset WAYLAND_DISPLAY

# ctest runs in a process group of its own so that an interrupted run ends every test too.
setsid dbus-run-session -- ctest --preset test --timeout 300 </dev/null &
started+=("$!")
wait "$!"
