#!/usr/bin/env bash
# Ten thousand clipboard changes in a burst, as fast as an owner can make them: afterwards the
# last announcement and the text view show the last content, and the program exits cleanly.
# Built with the sanitizers, LeakSanitizer must find nothing at exit; built without them,
# resident memory may have grown by at most 1 MB since a warm-up of 500 changes. (Under
# AddressSanitizer resident memory grows by about 1 MB per 10,000 changes for a few rounds as
# its allocator touches fresh size classes, then levels off; an optimised build stays flat, so
# growth is only judged there. bench/desktop runs this script on the optimised build.)
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../fault/fault_lib.sh"

# No suppressions: Qt and the libraries below it leave nothing LeakSanitizer reports at exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1:exitcode=23"
E2E_DEADLINE=30

e2e_start_desktop
QT_QPA_PLATFORM=xcb e2e_spawn nimbrel "$NIMBREL_BINARY"
E2E_NIMBREL_PID=$E2E_SPAWNED
e2e_wait_for "Nimbrel on the session bus" e2e_nimbrel_answers

# Lets the program settle, then prints its resident memory.
settled_rss_kb() {
  sleep 2
  fault_rss_kb "$E2E_NIMBREL_PID"
}

e2e_spawn warm_up "$BURST_OWNER" --count 500 --interval-us 4000 --prefix 'warm-up '
e2e_wait_for "the warm-up" fault_peer_said warm_up done
e2e_wait_for_announcement 'warm-up 500'
warm_kb=$(settled_rss_kb)

e2e_spawn soak "$BURST_OWNER" --count 10000 --prefix 'soak '
e2e_wait_for "the burst" fault_peer_said soak done
e2e_wait_for_announcement 'soak 10000'
end_kb=$(settled_rss_kb)
e2e_last_notify_body_is 'soak 10000' || e2e_fail "an older content was announced after the last one"
e2e_log "resident memory after the warm-up ${warm_kb} kB, after the burst ${end_kb} kB," \
  "$(e2e_notify_count) announcements for 10500 changes"
if [[ "${SOAK_SANITIZED:-OFF}" != ON ]] && ((end_kb - warm_kb > 1024)); then
  e2e_fail "resident memory grew by $((end_kb - warm_kb)) kB"
fi
fault_wait_for_text_view 'soak 10000'

# Quit through the tray menu, its last entry, so the program exits normally and the leak check runs.
e2e_open_tray_menu
xdotool key Up Return
e2e_wait_for "Nimbrel to quit" e2e_nimbrel_gone
status=0
wait "$E2E_NIMBREL_PID" || status=$?
grep -q 'LeakSanitizer' "$E2E_TMP/nimbrel.log" && e2e_fail "LeakSanitizer reported leaks"
e2e_expect_eq "exit status" 0 "$status"
