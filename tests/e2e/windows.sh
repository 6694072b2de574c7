#!/usr/bin/env bash
# What users do with Nimbrel, one row a case: the text actions over the bus, the notification's
# click and button, the paste item options window, the tray menu's entries and a second start.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_expect_eq "titles in menu order" "(['Capitalize', 'Lowercase', 'Uppercase', 'Snakecase', \
'Remove rich text formatting', 'Remove multiple whitespace', 'Remove all whitespace'],)" "$(e2e_call TextActionTitles)"
while IFS='|' read -r title rewrote expected; do
  e2e_copy_and_wait 'hello   wORLD'
  e2e_expect_eq "$title answers" "($rewrote,)" "$(e2e_call RunTextAction "$title")"
  e2e_wait_for "the result of $title" e2e_clipboard_text_is "$expected"
done <<'ROWS'
Capitalize|true|Hello   World
Lowercase|true|hello   world
Uppercase|true|HELLO   WORLD
Snakecase|true|hello_wORLD
Remove rich text formatting|false|hello   wORLD
Remove multiple whitespace|true|hello wORLD
Remove all whitespace|true|hellowORLD
ROWS
e2e_copy_and_wait 'hello   wORLD'
for title in capitalize Shout ''; do
  e2e_expect_eq "unknown title [$title] refused" "(false,)" "$(e2e_call RunTextAction "$title")"
done
e2e_expect_eq "the clipboard untouched by unknown titles" 'hello   wORLD' "$(e2e_clipboard_text)"

e2e_offer_and_wait 'text/html=<b>bold</b> words' 'UTF8_STRING=bold words'
e2e_wait_for "the notification on screen" e2e_displayed_count_is 1
e2e_press_notification_button 'Clear formatting'
e2e_wait_for "the notification's Clear formatting to drop the HTML" e2e_fails e2e_clipboard_offers text/html
e2e_expect_eq "plain text kept by Clear formatting" 'bold words' "$(e2e_clipboard_text)"
e2e_offer_and_wait 'text/html=<i>other</i> words' 'UTF8_STRING=other words'
e2e_expect_eq "Remove rich text formatting answers" "(true,)" "$(e2e_call RunTextAction 'Remove rich text formatting')"
e2e_wait_for "Remove rich text formatting to drop the HTML" e2e_fails e2e_clipboard_offers text/html
e2e_expect_eq "plain text kept by Remove rich text formatting" 'other words' "$(e2e_clipboard_text)"

e2e_copy_and_wait 'hello   wORLD'
e2e_wait_for "the notification on screen" e2e_displayed_count_is 1
e2e_window_shown 'Paste Item Options' && e2e_fail "the paste item options window was open before the click"
# The notification daemon's bubble is a real window: click it as a user would.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --classname dunst | head -n 1)")"
xdotool mousemove $((X + 20)) $((Y + 10)) click 1
e2e_wait_for "the paste item options window opened by a click on the notification" e2e_window_shown 'Paste Item Options'
e2e_type_into 'Paste Item Options' ctrl+Return
e2e_wait_for "Ctrl+Return to run Capitalize, the first action" e2e_clipboard_text_is 'Hello   World'

e2e_expect_eq "ClearClipboard answers" "()" "$(e2e_call ClearClipboard)"
e2e_wait_for "ClearClipboard to empty the clipboard" e2e_clipboard_empty

# The tray menu's entries in order: Text actions…, Clear clipboard, Settings…, Quit.
e2e_copy_and_wait 'to be cleared from the menu'
e2e_open_tray_menu
xdotool key Down Down Return
e2e_wait_for "the menu's Clear clipboard" e2e_clipboard_empty
e2e_open_tray_menu
xdotool key Down Down Down Return
e2e_wait_for "the menu's Settings…" e2e_window_shown 'Nimbrel Settings'

e2e_stop_nimbrel
e2e_start_nimbrel
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb timeout "$E2E_DEADLINE" "$NIMBREL_BINARY" \
  >"$E2E_TMP/second.log" 2>&1 </dev/null || e2e_fail "a second start failed with status $?"
e2e_wait_for "the first instance's settings window" e2e_window_shown 'Nimbrel Settings'
e2e_copy_and_wait 'the first instance still works'

e2e_open_tray_menu
xdotool key Up Return
e2e_wait_for "the menu's Quit" e2e_fails e2e_nimbrel_running
