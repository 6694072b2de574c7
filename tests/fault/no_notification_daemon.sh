#!/usr/bin/env bash
# With nobody serving notifications on the bus, a copy still reaches the paste item options
# text view and the bus interface answers.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop no-notifications
e2e_start_nimbrel

e2e_copy 'shown without a daemon'
e2e_wait_for "Nimbrel to try announcing the copy" e2e_notify_count_at_least 1
fault_keeps_answering "without a notification daemon" 1
fault_copy_text_view
e2e_wait_for "the text view's contents on the clipboard" fault_nimbrel_owns_clipboard
e2e_expect_eq "the text view shows the copy" 'shown without a daemon' "$(e2e_clipboard_text)"
fault_expect_running "without a notification daemon"
