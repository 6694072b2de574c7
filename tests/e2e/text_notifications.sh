#!/usr/bin/env bash
# Copied text is announced once; the next copy replaces the announcement rather than
# stacking a second one.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_copy 'hello world'
e2e_expect_eq "first announcement" $'Nimbrel!\thello world' "$(e2e_wait_for_notify 1)"
e2e_wait_for "the server's id for the first announcement" e2e_has_notification_ids
first_id=$(e2e_notification_ids | head -n 1)

e2e_copy 'second copy'
e2e_wait_for_notify 2 >/dev/null
e2e_expect_eq "the first announcement is withdrawn before the second is made" \
  "$(printf 'notify\tNimbrel!\thello world\nclose\t%s\nnotify\tNimbrel!\tsecond copy' "$first_id")" \
  "$(e2e_notification_events)"
e2e_wait_for "exactly one notification on screen" e2e_displayed_count_is 1
