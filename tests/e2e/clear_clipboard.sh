#!/usr/bin/env bash
# ClearClipboard empties the clipboard for every program.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_copy_and_wait 'secret stuff'
e2e_expect_eq "ClearClipboard answers" "()" "$(e2e_call ClearClipboard)"
e2e_wait_for "an empty clipboard" e2e_clipboard_empty
e2e_log "ok: the clipboard is empty"
