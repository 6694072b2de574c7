#!/usr/bin/env bash
# An owner that takes 1.5 s to answer is still read within Nimbrel's 2 s budget, and one that
# never answers is given up on; neither holds up Nimbrel's bus interface at any moment, and the
# next copy after each is handled as usual.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel

fault_own late "$SLOW_OWNER" --delay-ms 1500 'late but welcome'
fault_keeps_answering "while the owner takes 1.5 s" 4
e2e_wait_for_announcement 'late but welcome'
e2e_log "ok: the late answer was announced"

fault_own hung "$CLIPBOARD_OWNER" --hang --lifetime 30
fault_keeps_answering "while the owner never answers" 4
e2e_copy_and_wait 'after the hang'
e2e_expect_eq "nothing announced for the hung owner" \
  $'Nimbrel!\tlate but welcome\nNimbrel!\tafter the hang' "$(e2e_notify_calls)"
