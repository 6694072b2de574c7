#!/usr/bin/env bash
# The paste item options window shows the clipboard's text, and Ctrl+Return runs the action
# chosen in its pop-up list (Capitalize at first) on the clipboard.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_copy_and_wait 'hello   wORLD'
e2e_expect_eq "ShowPasteItemOptions answers" "()" "$(e2e_call ShowPasteItemOptions)"
e2e_wait_for "the paste item options window" e2e_window_shown "Paste Item Options"

window=$(xdotool search --onlyvisible --name '^Paste Item Options$' | head -n 1)
xdotool windowfocus --sync "$window" key --window "$window" ctrl+Return
e2e_wait_for "the capitalized text" e2e_clipboard_text_is 'Hello   World'
e2e_log "ok: Ctrl+Return ran Capitalize"
