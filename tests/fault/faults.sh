#!/usr/bin/env bash
# What goes wrong on a desktop, one row a case: a notification daemon missing when Nimbrel starts,
# then dying and coming back; clipboard owners that misbehave as real programs do (one that never
# answers, quits mid-transfer or offers more than Nimbrel reads of one type, 64 MiB); no session
# bus at all. Nimbrel keeps answering on its bus, announces no text it has not read whole, and
# handles the next copy. (An owner that answers late is a row of e2e/actions.sh.)
source "$(dirname "$0")/../e2e/lib.sh"

e2e_start_desktop no-notifications
e2e_start_nimbrel
e2e_offer_and_wait 'UTF8_STRING=started without a daemon'
e2e_start_notification_daemon
e2e_copy_and_wait 'the daemon came after Nimbrel'
e2e_wait_for "the copy on screen from a daemon that came after Nimbrel" e2e_displayed_count_is 1
e2e_stop_notification_daemon
e2e_offer_and_wait 'UTF8_STRING=the daemon died'
e2e_expect_eq "text actions run with the daemon gone" "(true,)" "$(e2e_call RunTextAction Uppercase)"
e2e_wait_for "the uppercased text" e2e_clipboard_text_is 'THE DAEMON DIED'
e2e_start_notification_daemon
e2e_copy_and_wait 'the daemon came back'
e2e_wait_for "the copy on screen once the daemon came back" e2e_displayed_count_is 1

while IFS='|' read -r name event text options; do
  eval "options=($options)"
  e2e_offer "${options[@]}" "UTF8_STRING=$text"
  e2e_wait_for "$name: $event" e2e_offer_said "$event"
  # Answered once Nimbrel has given up the read: it keeps answering, and has no text to rewrite.
  e2e_expect_eq "$name: Uppercase answers, declining" "(false,)" "$(e2e_call RunTextAction Uppercase)"
  e2e_copy_and_wait "after $name"
  e2e_expect_eq "$name: its text never announced" 0 "$(e2e_notify_calls | grep -cF "$text")"
done <<'ROWS'
an owner that never answers|ignored|never sent|--hang
an owner that quits mid-transfer|vanished|half a transfer |--repeat-to 20000000 --chunk 65536 --vanish-after-chunks 5
70 MB of text|incr UTF8_STRING|too much text |--repeat-to 70000000 --chunk 1000000
ROWS

e2e_stop_nimbrel
DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus-here" e2e_start_nimbrel no-bus
for copy in first second; do
  e2e_offer "UTF8_STRING=$copy copy without a bus"
  e2e_wait_for "Nimbrel, the only reader, to read the $copy copy without a bus" e2e_offer_read
done
e2e_nimbrel_running || e2e_fail "Nimbrel exited without a session bus"
