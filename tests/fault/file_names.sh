#!/usr/bin/env bash
# Copied file lists: 100,000 files are counted within a few seconds, and a single file name
# holding a newline or a byte that is not UTF-8 is shown with the newline and U+FFFD.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel

awk 'BEGIN { for (i = 1; i <= 100000; i++) printf "file:///home/user/photos/picture-%06d.jpg\r\n", i }' \
  >"$E2E_TMP/many.uris"
start=$(date +%s%N)
e2e_copy_file "$E2E_TMP/many.uris" text/uri-list
# Reading 3.4 MB in increments and parsing it takes a few seconds under the sanitizers.
E2E_DEADLINE=20 e2e_wait_for_announcement '100000 files'
e2e_log "ok: 100000 files announced $((($(date +%s%N) - start) / 1000000)) ms after the copy"

while IFS='|' read -r name uri expected; do
  before=$(e2e_notify_count)
  e2e_copy "$uri"$'\r\n' text/uri-list
  e2e_wait_for "the announcement of $name" e2e_notify_count_at_least $((before + 1))
  e2e_expect_eq "$name" "$(printf "$expected" | sed $'s/U+FFFD/\xEF\xBF\xBD/g')" "$(fault_last_notify_body)"
  fault_expect_running "after $name"
done <<'ROWS'
newline in the name|file:///tmp/two%0Alines.txt|two\nlines.txt
byte that is not UTF-8|file:///tmp/caf%FF.txt|cafU+FFFD.txt
markup in the name|file:///tmp/%3Cb%3E%26amp%3B.txt|&lt;b&gt;&amp;amp;.txt
slash encoded in the name|file:///tmp/a%2Fb.txt|b.txt
ROWS
