#!/usr/bin/env bash
# How Nimbrel answers while a text action rewrites 16 MiB of rich text in the background: the
# time --list-actions takes (target: within 100 ms) and the time from SIGTERM to its end (target:
# within 500 ms), on a private Xvfb display and session bus, three rounds.
#
#   bench/rewrite_responsiveness.sh NIMBREL CLIPBOARD_OWNER
#
# NIMBREL: an optimised build's nimbrel; CLIPBOARD_OWNER: tests/peer/clipboard_owner of any build.
set -euo pipefail
if [[ $# -ne 2 ]]; then
  echo "usage: $0 NIMBREL CLIPBOARD_OWNER" >&2
  exit 2
fi
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} || -z ${RESPONSIVENESS_DISPLAY_STARTED:-} ]]; then
  exec env RESPONSIVENESS_DISPLAY_STARTED=1 dbus-run-session -- "$0" "$@"
fi
nimbrel=$1 owner=$2
work=$(mktemp -d)
export HOME=$work XDG_CONFIG_HOME=$work/config
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 3>"$work/display" &
display_pid=$!
trap 'kill "$display_pid" 2>/dev/null; rm -rf "$work"' EXIT
until [[ -s $work/display ]]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
now() { date +%s%3N; }
working() { grep -qx 'nimbrel work' /proc/"$1"/task/*/comm 2>/dev/null; }

for round in 1 2 3; do
  "$nimbrel" >"$work/nimbrel.log" 2>&1 &
  nimbrel_pid=$!
  until "$nimbrel" --list-actions >/dev/null 2>&1; do sleep 0.05; done
  setsid "$owner" --chunk 1000000 --repeat-to $((16 << 20)) \
    'text/html=<p>word after word <b>in bold</b> and <a href="x">a link</a></p>' \
    'UTF8_STRING=word after word in bold and a link ' >"$work/owner.log" 2>&1 &
  owner_pid=$!
  until grep -q 'served text/html' "$work/owner.log"; do sleep 0.05; done
  "$nimbrel" --action Uppercase >/dev/null 2>&1 &
  action_pid=$!
  until working "$nimbrel_pid"; do sleep 0.005; done
  start=$(now) && "$nimbrel" --list-actions >/dev/null && listed=$(now)
  working "$nimbrel_pid" && during=yes || during=no
  signalled=$(now) && kill -TERM "$nimbrel_pid" && status=0 && wait "$nimbrel_pid" || status=$?
  ended=$(now)
  echo "round $round: --list-actions answered in $((listed - start)) ms (rewrite still under way: $during);" \
    "SIGTERM ended Nimbrel in $((ended - signalled)) ms, exit status $status"
  wait "$action_pid" 2>/dev/null || true
  kill "$owner_pid" 2>/dev/null || true
  wait "$owner_pid" 2>/dev/null || true
done
