#!/usr/bin/env bash
# Files copied in a file manager are announced by count, a single file by its name.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_copy $'file:///tmp/a\r\nfile:///tmp/b\r\nfile:///tmp/c\r\n' text/uri-list
e2e_expect_eq "three files" $'Nimbrel!\t3 files' "$(e2e_wait_for_notify 1)"

e2e_copy $'file:///home/someone/Quarterly%20report.pdf\r\n' text/uri-list
e2e_expect_eq "one file" $'Nimbrel!\tQuarterly report.pdf' "$(e2e_wait_for_notify 2)"
