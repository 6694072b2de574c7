#!/usr/bin/env bash
# Nimbrel without the desktop's services, one row a case: the notification daemon dies and comes
# back, is missing when Nimbrel starts, and no session bus at all. Copies are still handled and
# the bus interface answers where there is one.
source "$(dirname "$0")/../e2e/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_stop_notification_daemon
e2e_offer_and_wait 'UTF8_STRING=the daemon died'
e2e_expect_eq "text actions run with the daemon gone" "(true,)" "$(e2e_call RunTextAction Uppercase)"
e2e_wait_for "the uppercased text" e2e_clipboard_text_is 'THE DAEMON DIED'
e2e_start_notification_daemon
e2e_copy_and_wait 'the daemon came back'
e2e_wait_for "the copy on screen once the daemon came back" e2e_displayed_count_is 1

e2e_stop_nimbrel
e2e_stop_notification_daemon
e2e_start_nimbrel
e2e_offer_and_wait 'UTF8_STRING=started without a daemon'
e2e_start_notification_daemon
e2e_copy_and_wait 'the daemon came after Nimbrel'
e2e_wait_for "the copy on screen from a daemon that came after Nimbrel" e2e_displayed_count_is 1

e2e_stop_nimbrel
DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus-here" e2e_start_nimbrel no-bus
for copy in first second; do
  e2e_offer "UTF8_STRING=$copy copy without a bus"
  e2e_wait_for "Nimbrel, the only reader, to read the $copy copy without a bus" e2e_offer_read
done
e2e_nimbrel_running || e2e_fail "Nimbrel exited without a session bus"
