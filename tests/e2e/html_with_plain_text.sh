#!/usr/bin/env bash
# A browser-style copy offers HTML and plain text together: it is announced as text, with the
# plain text as the body, and both the notification's "Clear formatting" button and the
# "Remove rich text formatting" action leave only the plain text on the clipboard.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_offer 'text/html=<b>bold</b> words' 'UTF8_STRING=bold words' 'text/plain=bold words'
e2e_expect_eq "announced as its plain text" $'Nimbrel!\tbold words' "$(e2e_wait_for_notify 1)"
e2e_wait_for "the notification on screen" e2e_displayed_count_is 1
e2e_press_notification_button 'Clear formatting'
e2e_wait_for "the formatting cleared by the button" e2e_clipboard_lacks text/html
e2e_expect_eq "plain text kept by the button" "bold words" "$(e2e_clipboard_text)"

e2e_offer 'text/html=<i>other</i> words' 'UTF8_STRING=other words'
e2e_wait_for_announcement "other words"
e2e_expect_eq "Remove rich text formatting ran" "(true,)" "$(e2e_call RunTextAction 'Remove rich text formatting')"
e2e_wait_for "the formatting removed by the action" e2e_clipboard_lacks text/html
e2e_expect_eq "plain text kept by the action" "other words" "$(e2e_clipboard_text)"
