#!/usr/bin/env bash
# Starting Nimbrel again brings up the running one's settings instead of a second tray icon.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel
first=$E2E_NIMBREL_PID

status=0
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb timeout "$E2E_DEADLINE" "$NIMBREL_BINARY" \
  >"$E2E_TMP/second.log" 2>&1 </dev/null || status=$?
e2e_expect_eq "the second start exits at once with success" 0 "$status"
e2e_wait_for "the first instance's settings window" e2e_window_shown "Nimbrel Settings"
kill -0 "$first" || e2e_fail "the first instance is gone"
e2e_copy_and_wait 'still here'
e2e_log "ok: the first instance still works"
