#!/usr/bin/env bash
# Texts larger than the 64 MiB Nimbrel reads of one type (200 MB and 100 MB, sent incrementally
# as real programs do) are left out: Nimbrel keeps answering on the bus while the owner sends,
# announces no text for them, and handles the next copy as usual.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel
e2e_copy_and_wait 'before the flood'

for megabytes in 200 100; do
  fault_own "owner_$megabytes" "$SLOW_OWNER" --bytes $((megabytes * 1000 * 1000)) 'too much text '
  e2e_wait_for "Nimbrel to start reading $megabytes MB" fault_peer_said "owner_$megabytes" incr
  # Reading stops at the bound; the owner notices when Nimbrel drops the transfer.
  fault_keeps_answering "while $megabytes MB are offered" 4
  fault_expect_running "after $megabytes MB were offered"
  e2e_expect_eq "no text of $megabytes MB announced" 0 "$(e2e_notify_calls | grep -c 'too much text' || true)"
done

e2e_copy_and_wait 'after the flood'
fault_expect_running "after the next copy"
