#!/usr/bin/env bash
# A check box switched off in the settings window stays off after a restart.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_call ShowSettings >/dev/null
e2e_wait_for "the settings window" e2e_window_shown "Nimbrel Settings"
e2e_wait_for "the initial preferences" e2e_preferences_have_both_keys
e2e_expect_eq "text announcements on at first" 1 "$(e2e_preference notifyText)"

# The text check box comes first in the window and has the keyboard focus.
settings=$(xdotool search --onlyvisible --name '^Nimbrel Settings$' | head -n 1)
xdotool windowfocus --sync "$settings" key --window "$settings" space
e2e_wait_for "text announcements switched off" e2e_preference_is notifyText 0
e2e_expect_eq "files and folders untouched" 1 "$(e2e_preference notifyFilesAndDirectories)"

e2e_stop_nimbrel
e2e_start_nimbrel
e2e_copy 'not to be announced'
e2e_copy $'file:///tmp/report.txt\r\n' text/uri-list
e2e_wait_for_notify 1 >/dev/null
e2e_expect_eq "after the restart only files are announced" $'Nimbrel!\treport.txt' "$(e2e_notify_calls)"
e2e_expect_eq "text announcements still off" 0 "$(e2e_preference notifyText)"
