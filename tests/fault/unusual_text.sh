#!/usr/bin/env bash
# Bytes that are not UTF-8 and NUL bytes reach the notification as U+FFFD, and markup characters
# are escaped for a daemon that reads markup in bodies (the test's dunst does), so the copy shows
# as the characters copied.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel

replacement=$'\xEF\xBF\xBD'
while IFS='|' read -r name bytes expected; do
  printf "$bytes" >"$E2E_TMP/$name.data"
  before=$(e2e_notify_count)
  e2e_copy_file "$E2E_TMP/$name.data" UTF8_STRING
  e2e_wait_for "the announcement of $name" e2e_notify_count_at_least $((before + 1))
  e2e_expect_eq "$name" "$(printf "$expected" | sed "s/U+FFFD/$replacement/g")" "$(fault_last_notify_body)"
  fault_expect_running "after $name"
done <<'ROWS'
invalid byte|caf\xe9 au lait|cafU+FFFD au lait
truncated sequence|end \xe2\x82|end U+FFFD
overlong slash|\xc0\xaf etc|U+FFFDU+FFFD etc
nul bytes|one\0two\0|oneU+FFFDtwoU+FFFD
markup|<b>&amp;</b> "q" 'a'|&lt;b&gt;&amp;amp;&lt;/b&gt; &quot;q&quot; &apos;a&apos;
ROWS
