#!/usr/bin/env bash
# A program changing the clipboard 100 times a second for 10 s builds up no backlog: within a
# second of the last change the latest announcement is the last content, and the bus interface
# answers throughout.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel

fault_own burst "$BURST_OWNER" --count 1000 --interval-us 10000 --prefix 'rapid ' --times "$E2E_TMP/times"
fault_keeps_answering "during 10 s of changes" 20 fault_peer_said burst done
e2e_wait_for "the last change" fault_peer_said burst done
e2e_wait_for_announcement 'rapid 1000'
last_change=$(awk 'END { print $2 }' "$E2E_TMP/times")
lag_ms=$((($(fault_notify_time 'rapid 1000') - last_change) / 1000000))
e2e_log "the last content was announced ${lag_ms} ms after the last change ($(e2e_notify_count) announcements for 1000 changes)"
((lag_ms <= 1000)) || e2e_fail "the last content was announced ${lag_ms} ms after the last change"
# Nothing older may follow it.
sleep 0.5
e2e_last_notify_body_is 'rapid 1000' || e2e_fail "an older content was announced after the last one"
fault_expect_running "after the burst"
