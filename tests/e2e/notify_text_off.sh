#!/usr/bin/env bash
# With text announcements switched off in the preferences file, copied text is not announced,
# while files still are.
source "$(dirname "$0")/lib.sh"

mkdir -p "${NIMBREL_PREFERENCES%/*}"
printf '{"notifyText": 0}\n' >"$NIMBREL_PREFERENCES"

e2e_start_desktop
e2e_start_nimbrel

e2e_copy 'not to be announced'
# Changes are handled in order: once the file copy after it is announced, the text copy has
# been handled too.
e2e_copy $'file:///tmp/report.txt\r\n' text/uri-list
e2e_wait_for_notify 1 >/dev/null
e2e_expect_eq "only the files were announced" $'Nimbrel!\treport.txt' "$(e2e_notify_calls)"
