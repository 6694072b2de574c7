#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer build and runs every test.
# The tests that need a desktop get a private X display (Xvfb) and session bus started here;
# everything started here is ended on exit. Needs no display or bus of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset test
cmake --build --preset test -j2

# Each fuzzer briefly (scripts/fuzz.sh runs them longer), before the tests so that ctest's
# summary closes the output.
./scripts/fuzz.sh "${NIMBREL_FUZZ_SECONDS:-20}"

started=()
display_file=$(mktemp)
cleanup() {
  local status=$? pid
  trap - EXIT INT TERM
  for pid in "${started[@]}"; do
    kill -TERM -- "-$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -f "$display_file"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A private display for the tests that want one: Xvfb picks a free number and tells it once ready.
# It must not reset when its last client leaves, as it would between two tests of the X11
# clipboard: a connection made during the reset is refused.
start_display() {
  local number
  setsid Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null 3>"$display_file" &
  started+=("$!")
  until number=$(cat "$display_file") && [[ -n "$number" ]]; do
    kill -0 "$!" 2>/dev/null || { echo "test: could not start Xvfb" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=":$number"
}

start_display
unset WAYLAND_DISPLAY

# ctest runs in a process group of its own so that an interrupted run ends every test too. Tests
# run side by side: the desktop ones each have a display, bus and configuration of their own and
# mostly wait, so more run at once than there are cores.
setsid dbus-run-session -- ctest --preset test --timeout 300 --parallel "${NIMBREL_TEST_JOBS:-4}" </dev/null &
started+=("$!")
wait "$!"
