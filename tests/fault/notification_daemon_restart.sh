#!/usr/bin/env bash
# The notification daemon dies while Nimbrel runs: the next copy costs no crash and the bus
# interface answers; once a daemon is back, the copy after that is shown on screen again.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel
e2e_copy_and_wait 'while the daemon lives'

daemon=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
  --method org.freedesktop.DBus.GetConnectionUnixProcessID org.freedesktop.Notifications | sed 's/.*uint32 \([0-9]*\).*/\1/')
kill -KILL "$daemon"
e2e_wait_for "the daemon to leave the bus" bash -c '! gdbus call --session --dest org.freedesktop.DBus \
  --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.GetNameOwner org.freedesktop.Notifications'

e2e_copy_and_wait 'while no daemon runs'
fault_keeps_answering "with the daemon gone" 1
fault_expect_running "after the daemon died"

e2e_start_notification_daemon
e2e_copy_and_wait 'after the daemon came back'
e2e_wait_for "the copy on screen" e2e_displayed_count_is 1
