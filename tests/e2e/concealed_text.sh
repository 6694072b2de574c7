#!/usr/bin/env bash
# Text a password manager marks as secret is never announced, in either marking convention.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_offer 'UTF8_STRING=hunter2' 'x-kde-passwordManagerHint=secret'
e2e_copy $'file:///tmp/first.txt\r\n' text/uri-list
e2e_offer 'UTF8_STRING=correct horse' 'org.nspasteboard.ConcealedType='
e2e_copy $'file:///tmp/second.txt\r\n' text/uri-list
# Changes are handled in order: once the file copy after a secret is announced, the secret
# has been handled too.
e2e_wait_for_notify 2 >/dev/null
e2e_expect_eq "only the files were announced" $'Nimbrel!\tfirst.txt\nNimbrel!\tsecond.txt' "$(e2e_notify_calls)"
