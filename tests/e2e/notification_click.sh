#!/usr/bin/env bash
# Clicking the announcement opens the paste item options window.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_copy 'click me'
e2e_wait_for_notify 1 >/dev/null
e2e_wait_for "the notification on screen" e2e_displayed_count_is 1
if e2e_window_shown "Paste Item Options"; then
  e2e_fail "the paste item options window was open before the click"
fi

# The notification daemon's bubble is a real window: click it as a user would.
bubble=$(xdotool search --classname dunst | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$bubble")"
xdotool mousemove $((X + 20)) $((Y + 10)) click 1
e2e_wait_for "the paste item options window" e2e_window_shown "Paste Item Options"
e2e_log "ok: the click opened the paste item options window"
