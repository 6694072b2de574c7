#!/usr/bin/env bash
# Preferences as users and other programs change them, one row a case: the settings window's
# check box, a restart, an edit while Nimbrel runs (files broken meanwhile, and full disks, are
# unit tests of the desktop platform). Given "read-only", runs the case of a file that cannot be
# written instead: Nimbrel runs as nobody, for whom the file and its folder are root's and read-only.
source "$(dirname "$0")/lib.sh"

folder=${NIMBREL_PREFERENCES%/*}
mkdir -p "$folder"

# Row: a text copy, announced or not as expected ("announced" or "silent"), then a file copy
# named after the row, whose announcement proves the text was handled.
copies() {
  local before
  before=$(e2e_notify_count)
  e2e_copy "$1"
  e2e_wait_for "Nimbrel to read [$1]" e2e_offer_read
  e2e_offer "text/uri-list=file:///tmp/${1// /%20}.txt"
  e2e_wait_for "the announcement of the file copied after [$1]" e2e_last_notify_body_is "$1.txt"
  e2e_expect_eq "$1: $2" "$([[ $2 == announced ]] && echo "$1|")$1.txt" "$(e2e_bodies_since "$before")"
}

# Toggles the first check box (text announcements), which has the keyboard focus, and waits
# until Nimbrel has handled the key: input is handled in order, so once a later click on the
# tray icon opens the menu, the key has been handled too.
switch_text_announcements() {
  e2e_call ShowSettings >/dev/null
  e2e_wait_for "the settings window" e2e_window_shown 'Nimbrel Settings'
  e2e_type_into 'Nimbrel Settings' space
  e2e_open_tray_menu
  xdotool key Escape
}

if [[ "${1:-}" == read-only ]]; then
  printf '{"notifyFilesAndDirectories": 1, "notifyText": 1}\n' | tee "$E2E_TMP/original" >"$NIMBREL_PREFERENCES"
  chmod 444 "$NIMBREL_PREFERENCES"
  chmod 555 "$folder"
  e2e_nimbrel_as nobody
fi

e2e_start_desktop nimbrel
copies 'announced at first' announced
switch_text_announcements
copies "switched off in the settings window${1:+, with a $1 file}" silent
if [[ "${1:-}" == read-only ]]; then
  # The choice holds in memory; each change tries to save it again, said once on standard error.
  switch_text_announcements
  copies 'switched on again, still read-only' announced
  cmp -s "$E2E_TMP/original" "$NIMBREL_PREFERENCES" || e2e_fail "the read-only preferences changed"
  e2e_expect_eq "the failed saves said once" 1 "$(grep -c 'preferences.json: Permission denied' "$E2E_TMP/nimbrel.log")"
  exit 0
fi
e2e_wait_for "the check box to reach the file" e2e_preference_is notifyText 0
e2e_preference_is notifyFilesAndDirectories 1 || e2e_fail "the text check box changed files and folders"
e2e_preference_is keepClipboard 1 || e2e_fail "keeping the clipboard not stored as on at first"

e2e_stop_nimbrel
e2e_start_nimbrel
copies 'still off after a restart' silent
e2e_preference_is notifyText 0 || e2e_fail "text announcements not off in the file after a restart"

printf '{"notifyText": 1, "notifyFilesAndDirectories": 1}\n' >"$NIMBREL_PREFERENCES"
copies 'switched on by another program' announced
