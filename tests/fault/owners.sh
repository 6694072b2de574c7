#!/usr/bin/env bash
# Clipboard owners that misbehave as real programs do, one row a case: one that never answers,
# quits mid-transfer or offers more than Nimbrel reads of one type (64 MiB). Nimbrel keeps
# answering on its bus, announces no text it has not read whole, and handles the next copy. (One
# that answers late is a row of announcements.sh.)
source "$(dirname "$0")/../e2e/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

while IFS='|' read -r name event text options; do
  eval "options=($options)"
  e2e_offer "${options[@]}" "UTF8_STRING=$text"
  e2e_wait_for "$name: $event" e2e_offer_said "$event"
  e2e_keeps_answering "while $name" 3
  e2e_copy_and_wait "after $name"
  e2e_expect_eq "$name: its text never announced" 0 "$(e2e_notify_calls | grep -cF "$text")"
done <<'ROWS'
an owner that never answers|ignored|never sent|--hang
an owner that quits mid-transfer|vanished|half a transfer |--repeat-to 20000000 --chunk 65536 --vanish-after-chunks 5
70 MB of text|incr UTF8_STRING|too much text |--repeat-to 70000000 --chunk 1000000
ROWS
