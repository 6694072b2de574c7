#!/usr/bin/env bash
# The preferences file changes under a running Nimbrel: another program's edit takes effect at
# the next copy, a corrupt file is kept aside rather than lost, and a deleted file costs nothing
# but the file. Every copy in between is still handled (the text view follows it).
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

e2e_start_desktop
e2e_start_nimbrel
e2e_wait_for "the initial preferences" e2e_preferences_have_both_keys
e2e_copy_and_wait 'with the defaults'

printf '{"notifyText": 0}\n' >"$NIMBREL_PREFERENCES"
e2e_copy 'after another program switched text off'
fault_wait_for_text_view 'after another program switched text off'
e2e_expect_eq "the edit took effect" $'Nimbrel!\twith the defaults' "$(e2e_notify_calls)"

printf '{"notifyText": 0, \x01\xff' >"$NIMBREL_PREFERENCES"
cp "$NIMBREL_PREFERENCES" "$E2E_TMP/garbage"
e2e_copy 'after the file was corrupted'
fault_wait_for_text_view 'after the file was corrupted'
# It may have been caught half-written, so it is set aside when the next read finds it unchanged.
e2e_copy 'after the corrupt file was read again'
fault_wait_for_text_view 'after the corrupt file was read again'
e2e_wait_for "the corrupt file kept aside" cmp -s "$E2E_TMP/garbage" "$NIMBREL_PREFERENCES.corrupt"

rm -f "$NIMBREL_PREFERENCES"
e2e_copy 'after the file was deleted'
fault_wait_for_text_view 'after the file was deleted'
fault_keeps_answering "after the preferences changed under it" 1
fault_expect_running "after the preferences changed under it"
