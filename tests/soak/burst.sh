#!/usr/bin/env bash
# Ten thousand clipboard changes in a burst, one every millisecond: afterwards the
# last content is the last announcement, nothing older follows it, and Nimbrel quits from its
# menu cleanly, with LeakSanitizer (in the sanitizer build) finding nothing. bench/desktop
# measures its memory.
source "$(dirname "$0")/../e2e/lib.sh"

E2E_DETECT_LEAKS=1
e2e_start_desktop nimbrel

e2e_offer --burst 10000 --interval-us 1000 --lifetime 3600 'UTF8_STRING=soak '
e2e_wait_for "the last change" e2e_offer_said done
e2e_wait_for "the last content announced" e2e_last_notify_body_is 'soak 10000'
e2e_copy_and_wait 'after the burst'
e2e_expect_eq "nothing older announced after the last content" $'Nimbrel!\tsoak 10000' \
  "$(e2e_notify_calls | tail -n 2 | head -n 1)"

# Quit from the menu, its last entry, so that the program exits normally and the leak check runs.
e2e_quit_from_menu
e2e_ended_cleanly "the menu's Quit after the burst"
