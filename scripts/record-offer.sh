#!/usr/bin/env bash
# Records what the current owner of the X11 CLIPBOARD selection on $DISPLAY offers, so that
# tests can replay offers of real applications (tests/data/offers/, see its README.md).
#
#   scripts/record-offer.sh OUTPUT.offer "app 1.2-3: what was copied, how"
#
# Writes the description as a '#' comment, then one line per target, in the owner's order:
#   <target> TAB base64:<exact bytes> | - (not requested) | refused | large (over 256 KiB)
# Needs xclip, timeout and base64. OFFER_TIMEOUT sets the seconds allowed per request (5).
# OFFER_SKIP names further targets, one a line, to leave unrequested (some owners give up the
# selection once they have served a certain target).
# One thing xclip changes cannot be seen from here: a text/html reply that starts with a
# UTF-16 byte order mark comes out as UTF-8. Check such owners' html with another reader.
set -euo pipefail

if [[ $# -ne 2 || -z "$2" || "$2" == *$'\n'* ]]; then
  echo "usage: $0 OUTPUT 'one-line description'" >&2
  exit 2
fi
output=$1
description=$2
: "${DISPLAY:?DISPLAY must name the X display whose clipboard is recorded}"
wait_seconds=${OFFER_TIMEOUT:-5}
large_bytes=$((256 * 1024))

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Asks the owner for one target. -verbose makes xclip say the reply's type on stderr; the
# bytes on stdout are untouched.
fetch() {
  timeout "$wait_seconds" xclip -o -verbose -selection clipboard -t "$1" \
    >"$work/bytes" 2>"$work/log"
}

if ! fetch TARGETS || ! grep -qx 'Type is ATOM.' "$work/log"; then
  echo "$0: no owner of CLIPBOARD answered TARGETS with atoms on $DISPLAY" >&2
  exit 1
fi
# xclip prints the reply's atoms by name, one per line, in the order the owner put them.
cp "$work/bytes" "$work/targets"

{
  printf '# %s\n' "$description"
  while IFS= read -r target; do
    case "$target" in
      # Asking for these would act on the owner or yields no data worth keeping; the last
      # three describe the owner in 32-bit numbers, which xclip cannot give back as bytes.
      TARGETS | TIMESTAMP | MULTIPLE | DELETE | INSERT_SELECTION | INSERT_PROPERTY | SAVE_TARGETS \
        | LENGTH | LIST_LENGTH | CLIENT_WINDOW)
        printf '%s\t-\n' "$target"
        continue
        ;;
    esac
    if [[ -n "${OFFER_SKIP:-}" ]] && grep -qxF -- "$target" <<<"$OFFER_SKIP"; then
      printf '%s\t-\n' "$target"
      continue
    fi
    if ! fetch "$target"; then
      printf '%s\trefused\n' "$target"
      continue
    fi
    # xclip prints INTEGER and ATOM replies as text, widens other 32-bit items to longs, and
    # asks for STRING instead when UTF8_STRING is refused: what it wrote would not be the
    # owner's bytes, so stop.
    if grep -qE '^Type is (INTEGER|CARDINAL|ATOM|ATOM_PAIR|WINDOW|DRAWABLE|PIXMAP|BITMAP|COLORMAP|SPAN)\.$' "$work/log" \
      || { [[ "$target" == UTF8_STRING ]] && grep -qx 'Type is STRING.' "$work/log"; }; then
      echo "$0: xclip would alter the reply to $target ($(grep '^Type is' "$work/log"))" >&2
      exit 1
    fi
    if (($(stat -c %s "$work/bytes") > large_bytes)); then
      printf '%s\tlarge\n' "$target"
    else
      printf '%s\tbase64:%s\n' "$target" "$(base64 -w 0 "$work/bytes")"
    fi
  done <"$work/targets"
} >"$work/offer"

# An offer is one owner's: if the owner changed while we asked, the recording is mixed.
if ! fetch TARGETS || ! cmp -s "$work/bytes" "$work/targets"; then
  echo "$0: the CLIPBOARD owner changed while recording; nothing written" >&2
  exit 1
fi
mv "$work/offer" "$output"
