#!/usr/bin/env bash
# A password manager's secret (text plus x-kde-passwordManagerHint=secret) is neither announced
# nor shown in the paste item options text view.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel
e2e_copy_and_wait 'an ordinary copy'

e2e_offer 'UTF8_STRING=hunter2' 'x-kde-passwordManagerHint=secret'
e2e_copy $'file:///tmp/after-the-secret.txt\r\n' text/uri-list
e2e_wait_for_announcement 'after-the-secret.txt'
e2e_offer 'UTF8_STRING=hunter2' 'x-kde-passwordManagerHint=secret'
# Changes are handled in order and the text view follows each one, so the secret has been
# handled once a later change has; the window is opened after the secret is the newest.
fault_keeps_answering "after the secret" 1
e2e_expect_eq "announcements" $'Nimbrel!\tan ordinary copy\nNimbrel!\tafter-the-secret.txt' "$(e2e_notify_calls)"

fault_copy_text_view
# An empty view copies nothing, so the password manager still owns the clipboard.
sleep 0.5
fault_nimbrel_owns_clipboard && e2e_fail "the text view held [$(e2e_clipboard_text)]"
e2e_expect_eq "the secret's owner still has the clipboard" hunter2 "$(e2e_clipboard_text)"
