#!/usr/bin/env bash
# What goes wrong on a desktop, one row a case: a notification daemon missing when Nimbrel starts,
# then dying and coming back; clipboard owners that misbehave as real programs do (one that never
# answers, quits mid-transfer or offers more than Nimbrel reads of one type, 64 MiB); a reader that
# floods Nimbrel with requests for a large text; no session bus at all, or one that never answers.
# Nimbrel keeps answering on its bus, announces no text it has not read whole, and handles the
# next copy. (An owner that answers late is a row of e2e/actions.sh.)
source "$(dirname "$0")/../e2e/lib.sh"

e2e_start_desktop no-notifications silent-bus nimbrel
e2e_offer_and_wait 'UTF8_STRING=started without a daemon'
e2e_start_notification_daemon
e2e_copy_and_wait 'the daemon came after Nimbrel' shown
e2e_stop_notification_daemon
e2e_offer_and_wait 'UTF8_STRING=the daemon died'
e2e_expect_eq "text actions run with the daemon gone" "(true,)" "$(e2e_call RunTextAction Uppercase)"
e2e_wait_for "the uppercased text" e2e_paste_is 'THE DAEMON DIED'
e2e_start_notification_daemon
e2e_copy_and_wait 'the daemon came back' shown

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

# Readers ask 2,000 times at once for a text of Nimbrel's too large for one answer and never take
# a piece: Nimbrel starts at most 16 of those answers for one reader window and 256 in all, and an
# ordinary paste gets the whole text (once those are given up, when they fill all 256). Name |
# reader windows | most answers started.
e2e_offer --repeat-to 300000 'UTF8_STRING=flooded text '
e2e_expect_eq "Uppercase on the text to flood" "(true,)" "$(e2e_call RunTextAction Uppercase)"
pasted_whole() { text=$(e2e_paste) && ((${#text} == 300000)) && [[ $text == 'FLOODED TEXT '* ]]; }
# One MULTIPLE request of 1,000 pairs is one reader's too: a paste from another window right after
# it gets the whole text.
e2e_owner_until multiple flooded --flood 1000 --multiple
e2e_expect_eq "pairs of one MULTIPLE answered" "accepted 16" "$(grep '^accepted' "$E2E_TMP/multiple.log")"
pasted_whole || e2e_fail "a paste right after one reader's MULTIPLE of 1,000 pairs was refused"
while IFS='|' read -r name readers most; do
  e2e_owner_until "flood$readers" flooded --flood 2000 --readers "$readers"
  accepted=$(sed -n 's/^accepted //p' "$E2E_TMP/flood$readers.log")
  ((accepted <= most)) || e2e_fail "$name: the flood started $accepted incremental answers"
  e2e_wait_for "$name: an ordinary paste of the whole text after the flood" pasted_whole
done <<'ROWS'
one reader|1|16
40 readers|40|256
ROWS

# Without a bus, or with one that takes connections but never answers, Nimbrel starts, says so
# and reads copies. Name | the bus address.
e2e_stop_nimbrel
while IFS='|' read -r name address; do
  DBUS_SESSION_BUS_ADDRESS="$address" e2e_start_nimbrel no-bus
  # Loose, but far below what a hang would take: it gives up on the bus after 4 s.
  E2E_DEADLINE=20 e2e_wait_for "$name: Nimbrel to say it has no bus" grep -q 'no session bus' "$E2E_TMP/nimbrel.log"
  for copy in first second; do
    e2e_copy "$copy copy, $name"
    e2e_wait_for "Nimbrel, the only reader, to read the $copy copy, $name" e2e_offer_read
  done
  e2e_nimbrel_running || e2e_fail "Nimbrel exited, $name"
  e2e_stop_nimbrel
done <<ROWS
no bus|unix:path=$E2E_TMP/no-bus-here
a bus that never answers|unix:path=$E2E_TMP/silent/bus
ROWS
