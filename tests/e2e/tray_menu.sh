#!/usr/bin/env bash
# The status icon sits in the tray, and its menu's entries work.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

# Entries in order: Text actions…, Clear clipboard, Settings…, Quit.
e2e_copy_and_wait 'to be cleared'
e2e_open_tray_menu
xdotool key Down Down Return
e2e_wait_for "an empty clipboard" e2e_clipboard_empty
e2e_log "ok: Clear clipboard"

e2e_open_tray_menu
xdotool key Down Down Down Return
e2e_wait_for "the settings window" e2e_window_shown "Nimbrel Settings"
e2e_log "ok: Settings…"

e2e_open_tray_menu
xdotool key Up Return
e2e_wait_for "Nimbrel to quit" e2e_nimbrel_gone
e2e_log "ok: Quit"
