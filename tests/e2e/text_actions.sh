#!/usr/bin/env bash
# Each of the seven text actions, run through the bus as a hotkey tool would, rewrites the
# clipboard for every other program; an unknown title changes nothing.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_expect_eq "titles in menu order" \
  "(['Capitalize', 'Lowercase', 'Uppercase', 'Snakecase', 'Remove rich text formatting', 'Remove multiple whitespace', 'Remove all whitespace'],)" \
  "$(e2e_call TextActionTitles)"

original='hello   wORLD'
# Plain text has no formatting to remove: that action rewrites nothing and says so.
cases=(
  'Capitalize|true|Hello   World'
  'Lowercase|true|hello   world'
  'Uppercase|true|HELLO   WORLD'
  'Snakecase|true|hello_wORLD'
  'Remove rich text formatting|false|hello   wORLD'
  'Remove multiple whitespace|true|hello wORLD'
  'Remove all whitespace|true|hellowORLD'
)
for row in "${cases[@]}"; do
  IFS='|' read -r title answer expected <<<"$row"
  e2e_copy_and_wait "$original"
  e2e_expect_eq "$title answers" "($answer,)" "$(e2e_call RunTextAction "$title")"
  e2e_wait_for "the result of $title" e2e_clipboard_text_is "$expected"
  if ! e2e_clipboard_offers UTF8_STRING; then
    e2e_fail "$title: the result is not offered as UTF8_STRING"
  fi
done

e2e_copy_and_wait "$original"
for title in 'capitalize' 'Shout' ''; do
  e2e_expect_eq "unknown title [$title] refused" "(false,)" "$(e2e_call RunTextAction "$title")"
done
e2e_expect_eq "clipboard untouched by unknown titles" "$original" "$(e2e_clipboard_text)"
e2e_expect_eq "xclip still owns the clipboard" $'TARGETS\nUTF8_STRING' "$(e2e_clipboard_targets)"
