#!/usr/bin/env bash
# A 10 MB text of short lines, within the 64 MiB Nimbrel reads of one type, is announced with its
# first 999 characters and an ellipsis, and the bus interface answers throughout, the time the
# text takes to reach the paste item options text view included.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel

line='a line of a ten megabyte text'
fault_own large "$SLOW_OWNER" --bytes 10000000 "$line"$'\n'
fault_keeps_answering "while a 10 MB text arrives" 8 grep -q "$line" "$NOTIFICATIONS_LOG"
e2e_wait_for "the announcement" grep -q "$line" "$NOTIFICATIONS_LOG"
e2e_expect_eq "the announced beginning" "$(yes "$line" | head -c 999)…" "$(fault_last_notify_body)"
fault_keeps_answering "after a 10 MB text arrived" 2
