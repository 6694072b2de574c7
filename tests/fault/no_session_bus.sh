#!/usr/bin/env bash
# Without any session bus Nimbrel starts without hanging, keeps running and keeps reading the
# clipboard on every change.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_display
e2e_start_tray
export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus-here"

ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=xcb \
  e2e_spawn nimbrel "$NIMBREL_BINARY"
E2E_NIMBREL_PID=$E2E_SPAWNED
e2e_wait_for "the status icon in the tray" e2e_status_icon
e2e_log "ok: started without a bus"

# Each owner below answers only Nimbrel, the one program reading the clipboard.
for copy in first second third; do
  fault_own "owner_$copy" "$SLOW_OWNER" "$copy copy without a bus"
  e2e_wait_for "Nimbrel to read the $copy copy" fault_peer_said "owner_$copy" served
  fault_expect_running "after the $copy copy"
done
e2e_log "ok: every copy was read"
