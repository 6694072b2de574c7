#!/usr/bin/env bash
# A preferences file that is not JSON is kept aside, not lost, and Nimbrel starts with the
# defaults and writes a fresh file.
source "$(dirname "$0")/lib.sh"

mkdir -p "${NIMBREL_PREFERENCES%/*}"
printf '{"notifyText": 0, \x01\xff garbage' >"$NIMBREL_PREFERENCES"
cp "$NIMBREL_PREFERENCES" "$E2E_TMP/garbage"

e2e_start_desktop
e2e_start_nimbrel

e2e_wait_for "the corrupt file kept aside" cmp -s "$E2E_TMP/garbage" "$NIMBREL_PREFERENCES.corrupt"
e2e_wait_for "a fresh preferences file with both keys" e2e_preferences_have_both_keys
e2e_copy_and_wait 'defaults announce text'
e2e_log "ok: started with the defaults"
