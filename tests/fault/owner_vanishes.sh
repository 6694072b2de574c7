#!/usr/bin/env bash
# An owner that quits halfway through an incremental transfer leaves Nimbrel running and
# answering; what had arrived is not announced as if it were the whole text, and the next copy
# is handled as usual.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel
e2e_copy_and_wait 'before the owner vanishes'

fault_own vanishing "$SLOW_OWNER" --bytes 20000000 --chunk 65536 --vanish-after-chunks 5 'half a transfer '
e2e_wait_for "the owner to quit mid-transfer" fault_peer_said vanishing vanished
fault_keeps_answering "after the owner vanished" 3
fault_expect_running "after the owner vanished mid-transfer"
e2e_expect_eq "no partial text announced" 0 "$(e2e_notify_calls | grep -c 'half a transfer' || true)"

e2e_copy_and_wait 'after the owner vanished'
