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

source scripts/private-display.sh
start_display

# ctest runs in a process group of its own so that an interrupted run ends every test too. Tests
# run side by side: the desktop ones each have a display, bus and configuration of their own and
# mostly wait, so more run at once than there are cores.
setsid dbus-run-session -- ctest --preset test --timeout 300 --parallel "${NIMBREL_TEST_JOBS:-4}" </dev/null &
started+=("$!")
wait "$!"
