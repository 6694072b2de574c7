#!/usr/bin/env bash
# Without a notification daemon on the bus Nimbrel keeps working: copies are handled and its
# bus interface answers.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop no-notifications
e2e_start_nimbrel

e2e_copy 'nobody will show this'
e2e_wait_for "Nimbrel to try announcing the copy" e2e_notify_count_at_least 1
e2e_expect_eq "text actions still run" "(true,)" "$(e2e_call RunTextAction Uppercase)"
e2e_wait_for "the uppercased text" e2e_clipboard_text_is 'NOBODY WILL SHOW THIS'
e2e_nimbrel_running || e2e_fail "Nimbrel exited"
e2e_log "ok: still running and answering"
