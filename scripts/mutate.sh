#!/usr/bin/env bash
# Mutation check: how many small faults planted in the program's guards and written values the
# tests catch. Usage: scripts/mutate.sh [--per-file N] [--report-only] [FILES...]
# With no FILES, the clipboard readers and writers, keeping, preferences, the text actions and
# rich-text readers, the bus service and the tray exporter (scripts/mutation/run.py). Each mutant
# is built in build/mutate and run against the test command's suites, soak and package left out.
# Writes docs/mutation.md and keeps the survivors' diffs in build/mutate/survivors. Long: hours
# for every mutant; --per-file takes a reproducible sample. A stopped run resumes where it was;
# --report-only rewrites the report from what has been run, e.g. after naming an equivalent
# mutant in scripts/mutation/equivalent.txt.
# The listed files are changed in place while it runs and always put back.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
[[ -f build/mutate/build.ninja ]] || cmake --preset test -B build/mutate \
  -DNIMBREL_WARNINGS_AS_ERRORS=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

source scripts/private-display.sh
start_display

setsid dbus-run-session -- python3 scripts/mutation/run.py "$@" </dev/null &
started+=("$!")
wait "$!"
