#!/usr/bin/env bash
# Preferences that cannot be written (file and folder read-only) are not lost: Nimbrel keeps
# running, the check box it was given works from memory, and the file is left as it was.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/fault_lib.sh"

folder=${NIMBREL_PREFERENCES%/*}
mkdir -p "$folder"
printf '{"notifyFilesAndDirectories": 1, "notifyText": 1}\n' >"$NIMBREL_PREFERENCES"
cp "$NIMBREL_PREFERENCES" "$E2E_TMP/original"
chmod 444 "$NIMBREL_PREFERENCES"
chmod 555 "$folder"
# Permissions do not bind root; the immutable flag does, where the file system has it.
if [[ $(id -u) -eq 0 ]]; then
  chattr +i "$NIMBREL_PREFERENCES" "$folder" 2>/dev/null || { echo "no immutable flag here; skipped" >&2; exit 77; }
  trap 'status=$?; chattr -i "$NIMBREL_PREFERENCES" "$folder"; (exit $status); e2e_cleanup' EXIT
fi
touch "$folder/probe" 2>/dev/null && e2e_fail "the preferences folder is still writable"

e2e_start_desktop
e2e_start_nimbrel
e2e_copy_and_wait 'announced at first'

e2e_call ShowSettings >/dev/null
e2e_wait_for "the settings window" e2e_window_shown "Nimbrel Settings"
settings=$(xdotool search --onlyvisible --name '^Nimbrel Settings$' | head -n 1)
xdotool windowfocus --sync "$settings" key --window "$settings" space

e2e_copy 'not announced once switched off'
e2e_copy $'file:///tmp/still-announced.txt\r\n' text/uri-list
e2e_wait_for_announcement 'still-announced.txt'
e2e_expect_eq "the text copy after switching off" \
  $'Nimbrel!\tannounced at first\nNimbrel!\tstill-announced.txt' "$(e2e_notify_calls)"
cmp -s "$E2E_TMP/original" "$NIMBREL_PREFERENCES" || e2e_fail "the read-only preferences changed"
fault_expect_running "with read-only preferences"
