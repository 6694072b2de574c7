#!/usr/bin/env bash
# Nimbrel reads and writes a Wayland compositor's clipboard natively (data-control) on headless
# sway, driven by wl-copy, wl-paste and the clipboard owner in its Wayland mode, whether or not a
# native window has the focus and whether Qt's windows are on XWayland or native.
#
#   wayland_clipboard.sh XWAYLAND(enable|disable) QT_QPA_PLATFORM [FOCUSED_APP]
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/sway.sh"

xwayland=$1 platform=$2 focused=${3:-}

focus_is() { [[ "$(e2e_sway_focused_app)" == "$1" ]]; }
typed_paste_is() { [[ "$(e2e_paste "$1")" == "$2" ]]; }
# The watcher printed $2 after its first $1 lines.
watched_since() { tail -n +$(($1 + 1)) "$E2E_TMP/watch.log" | grep -qx "$2"; }

# Native windows have no X11 tray to fall back to: with them, the panel starts after Nimbrel.
e2e_start_desktop "$([[ $platform == wayland ]] && echo no-tray || echo swaybar)" "sway-$xwayland"
[[ -z $focused ]] || e2e_spawn "$focused" "$focused"
e2e_wait_for "the focus on [$focused]" focus_is "$focused"
e2e_copy 'present at start'
e2e_wait_for "wl-copy to own the clipboard" e2e_paste_is 'present at start'
e2e_owner_until watch selection --wayland --watch
# The usual limit of descriptors, which pasters that never read must not use up.
ulimit -Sn 1024
QT_QPA_PLATFORM=$platform e2e_start_nimbrel
grep 'through X11' "$E2E_TMP/nimbrel.log" && e2e_fail "the clipboard is not read natively"
if [[ $platform == wayland ]]; then
  # Native windows have no X11 tray to fall back to: Nimbrel says it waits for a panel, and its
  # icon is there once one starts.
  e2e_expect_eq "what Nimbrel says before any panel" \
    'nimbrel: no tray yet (no StatusNotifierWatcher on the session bus); the icon appears when a panel starts' \
    "$(grep -E 'tray|QPlatformNativeInterface' "$E2E_TMP/nimbrel.log")"
  e2e_start_swaybar
  e2e_wait_for "the icon in the panel that started" e2e_menu_item
fi

# name | step | what to wait for before the next copy, which would abandon an unfinished read |
# the texts the step's announcements show, \n between (an announcement without text, as for
# contents Nimbrel could not read, shows none). After each step wl-copy copies a text, which must
# be announced. A rewrite is announced once, as Nimbrel's own change, and wl-paste gets it; its
# write is never read back as a copy.
rows=(
  'start-up contents|e2e_call RunTextAction Uppercase|e2e_paste_is PRESENT AT START|PRESENT AT START'
  'file list|wl-copy -t text/uri-list file:///tmp/one.txt|e2e_last_notify_body_is one.txt|one.txt'
  'HTML with plain text|e2e_offer --wayland text/html=<b>bold</b> text/plain=bold|e2e_last_notify_body_is bold|bold'
  'owner that never answers|e2e_offer --wayland --hang text/plain=unsent|e2e_read_done|'
  'over the size limit|e2e_offer --wayland --repeat-to 67108865 text/plain=x|e2e_read_done|'
  '8,000 MIME types|e2e_offer --wayland --garbage-targets 8000 text/plain=many-types|e2e_last_notify_body_is many-types|many-types'
  'ClearClipboard|e2e_call ClearClipboard|e2e_paste_is|'
)
for row in "${rows[@]}"; do
  IFS='|' read -r name step condition announced <<<"$row"
  before=$(e2e_notify_calls | wc -l)
  read -ra words <<<"$step"
  "${words[@]}" >/dev/null
  read -ra words <<<"$condition"
  e2e_wait_for "$condition after $name" "${words[@]}"
  e2e_copy_and_wait "after $name"
  e2e_expect_eq "$name: announced" "$(printf '%b' "$announced")" "$(e2e_notify_calls | cut -f 2- | tail -n +$((before + 1)) | head -n -1 | sed '/^$/d')"
done
# A rewrite replaces the clipboard's contents in one step: only ClearClipboard ever emptied it.
e2e_expect_eq "the clipboard emptied" 1 "$(grep -cx empty "$E2E_TMP/watch.log")"

# Two keepers (lib.sh): each takes the copy over at most once (their take-overs cross, or one sees
# the other's first, as they happen to run: two rounds). A round's first copy marks the watcher's log.
keeper_copy() { [[ $1 != kept* ]] || mark=$(wc -l <"$E2E_TMP/watch.log"); e2e_spawn keeper-owner wl-copy --foreground "$1"; }
at_most_two_takeovers() { (($(tail -n +$((mark + 1)) "$E2E_TMP/watch.log" | grep -cx selection) <= 4)) || e2e_fail "$1: more than two take-overs"; }
QT_QPA_PLATFORM=$platform e2e_two_keepers keeper_copy e2e_paste_is at_most_two_takeovers

# Keeping the clipboard: an owner copies, Nimbrel reads the copy, and the owner quits, each after a
# step; Nimbrel serves a kept copy in its place once, under the owner's types in its order, without
# announcing it again. A secret is never shown, nor kept.
# name | before the copy | owner | once it is read | once the owner quit | type | pasted then | announced
keep_rows=(
  'kept||wl-copy --foreground kept text|||text/plain|kept text|1'
  'HTML kept||wl-copy --foreground --type text/html <b>kept</b>|||text/html|<b>kept</b>|1'
  'kept once||wl-copy --foreground kept once||wl-copy --clear|text/plain||1'
  'secret||owner text/plain=hunter2 x-kde-passwordManagerHint=secret|||text/plain||0'
  'over 32 MiB||owner --repeat-to 16777217 text/plain=x text/html=y|||text/plain||1'
  'cleared||wl-copy --foreground cleared|e2e_call ClearClipboard||text/plain||1'
  'off|sed -i s/\("keepClipboard":\).*1/\10/ '"$NIMBREL_PREFERENCES"'|wl-copy --foreground off|||text/plain||1'
)
for row in "${keep_rows[@]}"; do
  IFS='|' read -r name first owner then last type kept announced <<<"$row"
  mark=$(wc -l <"$E2E_TMP/watch.log") before=$(e2e_notify_count)
  $first
  read -ra words <<<"${owner/#owner/$CLIPBOARD_OWNER --wayland}"
  e2e_spawn keeper-owner "${words[@]}"
  e2e_wait_for "the copy of $name" watched_since "$mark" selection
  e2e_read_done
  offered=$(e2e_paste TARGETS)
  $then >/dev/null
  e2e_end_group "$E2E_SPAWNED"
  e2e_wait_for "the owner of $name to be gone" watched_since "$mark" empty
  [[ -z $last ]] || { e2e_wait_for "$name: taken over" e2e_paste_is "$name" && $last; }
  e2e_read_done
  e2e_wait_for "$name: [$kept] pasted" typed_paste_is "$type" "$kept"
  [[ -z $kept ]] || e2e_expect_eq "$name: the types offered" "$offered" "$(e2e_paste TARGETS)"
  e2e_expect_eq "$name: announced" "$announced" $(($(e2e_notify_count) - before))
done

# Text actions racing copies: 200 rewrites asked for over the bus while an owner copies 200 times a
# second. Once all have answered, the clipboard holds the newest copy, rewritten or not. Wayland
# cannot place a copy only while the clipboard is unchanged: a write and a newer copy may cross at
# the compositor, after the last the write could hear of. Then, and only then, an older rewrite
# stands, and Nimbrel says so.
crossed() { grep -c 'a write replaced .* newer copies' "$E2E_TMP/nimbrel.log" || true; }
for round in 1 2 3; do
  told=$(crossed)
  e2e_offer --wayland --burst 200 --interval-us 5000 "text/plain=race $round copy "
  callers=()
  for _ in {1..200}; do
    e2e_call RunTextAction Uppercase >/dev/null &
    callers+=($!)
  done
  wait "${callers[@]}"
  e2e_wait_for "the copies of round $round" e2e_offer_said done
  e2e_read_done
  pasted=$(e2e_paste)
  if [[ ${pasted,,} != "race $round copy 200" ]]; then
    e2e_expect_eq "round $round: an older copy over the newest is Nimbrel's rewrite" "${pasted^^}" "$pasted"
    e2e_expect_eq "round $round: a write that crossed the newest copy told" 1 $(($(crossed) > told))
  fi
done

# 64 pasters that never read take every place Nimbrel serves at once: a paste meanwhile waits its
# turn and gets the whole text once they are given up.
e2e_offer --wayland --repeat-to 200000 text/plain=stuck
e2e_expect_eq "the text to be stuck in pipes is Nimbrel's" "(true,)" "$(e2e_call RunTextAction Uppercase)"
e2e_owner_until stuck 'filled 64' --wayland --paste 64
e2e_expect_eq "a paste behind 64 stuck ones" "$(printf 'STUCK%.0s' {1..40000} | md5sum)" "$(e2e_paste | md5sum)"
e2e_wait_for "the 64 stalled pasters to be dropped" grep -qx dropped "$E2E_TMP/stuck.log"
# 1,100 pasters that never read, more than a process may have descriptors: 64 are served at once
# and the next in turn as those are given up, up to half the 1,024 descriptors Nimbrel may have;
# the rest are refused at once. Nimbrel keeps its connection.
e2e_spawn paster "$CLIPBOARD_OWNER" --wayland --paste 1100
e2e_wait_for "the pasters to be served or refused" grep -q '^filled' "$E2E_TMP/paster.log"
e2e_expect_eq "pasters served in turn" "filled 512" "$(grep '^filled' "$E2E_TMP/paster.log")"
e2e_wait_for "the stalled pasters to be dropped" grep -qx dropped "$E2E_TMP/paster.log"
e2e_copy_and_wait 'after 1,100 stuck pasters'
e2e_expect_eq "--clear after 1,100 stuck pasters" 0 "$("$NIMBREL_BINARY" --clear >/dev/null; echo $?)"
e2e_wait_for "the clipboard emptied by --clear" e2e_paste_is

# The compositor drops a client that reads nothing while a long list of types floods it (a stopped
# Nimbrel here). While the flood is the clipboard, each new connection may be flooded again (on a
# busy machine it is); once a copy replaces it, Nimbrel connects again, and the copy that is
# current then is announced.
kill -STOP "$E2E_NIMBREL_PID"
e2e_offer --wayland --garbage-targets 20000 text/plain=flood
kill -CONT "$E2E_NIMBREL_PID"
e2e_wait_for "the flood to cost Nimbrel its connection" grep -q 'lost the connection to the Wayland' "$E2E_TMP/nimbrel.log"
e2e_copy_and_wait 'after connecting again'
e2e_wait_for "Nimbrel to say it reads the clipboard again" grep -q 'reading the Wayland compositor.s clipboard again' "$E2E_TMP/nimbrel.log"
