#!/usr/bin/env bash
# What Nimbrel makes of each kind of copy, one row a case: copies as real programs make them
# (every recording in tests/data/offers, replayed by tests/peer/clipboard_owner), made-up ones and
# owners that offer them badly. A row gives the announcement's body ("-": none; "=": the text,
# markup escaped) and the plain text that Uppercase starts from ("-": none, so the action
# declines; "*": not compared; "=": the replayed recording's UTF8_STRING, which is how every
# program offers its copy's text). Rows run in order against one Nimbrel and count its
# announcements, so one that should not have been made fails the row that makes the next. A
# recording replayed whole is kept once its owner quits, and Uppercase then rewrites what was
# kept. A replayed recording's rich text must come out of Uppercase with its markup: its HTML as
# an independent reading uppercases it (outside tags, comments, references, scripts and styles),
# its RTF as in uppercase/ (read back by LibreOffice Writer: bold and italics kept, text in
# capitals).
source "$(dirname "$0")/lib.sh"

offers="$(dirname "$0")/../data/offers"
r=$'\xEF\xBF\xBD' # U+FFFD, for bytes that are not UTF-8
long=$(yes 'a line of a long text' | head -c 600000 || true) # yes ends on SIGPIPE
recorded_target() { sed -n "s|^$1\tbase64:||p" "$2" | base64 -d; }
upper_html() {
  python3 -c 'import re, sys
data = sys.stdin.buffer.read()
markup = re.compile(rb"(<(script|style)\b.*?</\2\s*>|<!--.*?-->|<[^>]*>|&[#\w]+;)", re.S | re.I)
parts = markup.split(data)
sys.stdout.buffer.write(b"".join(part if index % 3 else part.decode().upper().encode()
                                 for index, part in enumerate(parts) if index % 3 != 2))'
}
# The rich text that Uppercase must make of a recording's, for each rich target it has.
expect_rich_uppercase() {
  ! grep -qs "^text/html"$'\t'base64: "$2" || e2e_expect_eq "$1: Uppercase's HTML" \
    "$(recorded_target text/html "$2" | upper_html | base64 -w 0)" "$(e2e_paste text/html | base64 -w 0)"
  ! grep -qs "^text/rtf"$'\t'base64: "$2" || e2e_expect_eq "$1: Uppercase's RTF" \
    "$(base64 -w 0 "$offers/uppercase/$(basename "$2" .offer).rtf")" "$(e2e_paste text/rtf | base64 -w 0)"
}
upper() { printf '%s' "$1" | python3 -c 'import sys; sys.stdout.write(sys.stdin.read().upper())'; }
escaped() { sed "s/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/\"/\&quot;/g; s/'/\&apos;/g" <<<"$1"; }
kill_window() { xkill -id "$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)"; }
# A recording of one target holding the bytes read from standard input, for bytes (NUL) that no
# command line can hold; prints its path.
recorded() { printf 'TARGETS\t-\n%s\tbase64:%s\n' "$1" "$(base64 -w 0)" >"$E2E_TMP/${1//\//-}" && echo "$E2E_TMP/${1//\//-}"; }

# What Nimbrel keeps of a recording once its owner quits: the same bytes under every kept type, in
# the owner's order, never a private type.
kept_types() {
  printf 'TARGETS\nTIMESTAMP\nMULTIPLE\n'
  awk -F '\t' '$2 ~ /^base64:/ && $1 ~ /^(UTF8_STRING|STRING|TEXT|COMPOUND_TEXT|UTF-8|text\/plain.*|text\/(html|rtf|richtext|uri-list)|application\/rtf|x-special\/gnome-copied-files|image\/png)$/ { print $1, substr($2, 8) }' "$1"
}
kept_is() { [[ "$(e2e_paste_every_type)" == "$1" ]]; }
owner_quits() { kill "$E2E_SPAWNED" && wait "$E2E_SPAWNED" 2>/dev/null || true; }

announced=0
# The next announcement, which must be the last one made, shows this body ("*": any).
announced_as() {
  announced=$((announced + 1))
  e2e_wait_for "announcement $announced, of $1" e2e_notify_count_at_least "$announced"
  e2e_expect_eq "$1" "$announced [$2]" "$(e2e_notify_count) [$([[ $2 == '*' ]] && echo '*' || e2e_last_notify_body)]"
}

row() {
  local name=$1 body=$2 text=$3 rewrote='(true,)'
  shift 3
  [[ $text == = ]] && text=$(recorded_target UTF8_STRING "${@: -1}")
  e2e_offer "$@"
  [[ $body == - ]] || announced_as "$name" "$([[ $body == = ]] && escaped "$text" || printf '%s' "$body")"
  # A recording offered whole is kept once its owner quits, and not announced again (the next
  # announcement counts). Mousepad hands its copy over as GTK programs do as they quit, with
  # Nimbrel as the manager.
  if [[ $body != - && $# -le 3 && ${*: -2:1} == --replay && ${*: -1} == "$offers"/* ]]; then
    owner_quits
    [[ $1 != --save-at-quit ]] || e2e_expect_eq "$name: handed over" saved "$(tail -n 1 "$E2E_OFFER_LOG")"
    e2e_wait_for "$name: kept" kept_is "$(kept_types "${@: -1}")"
  fi
  [[ $text == - ]] && rewrote='(false,)'
  [[ $text == '*' ]] || e2e_expect_eq "$name: Uppercase answers" "$rewrote" "$(e2e_call RunTextAction Uppercase)"
  [[ $text == [-*] ]] && return
  e2e_wait_for "$name: Uppercase's text" e2e_paste_is "$(upper "$text")"
  expect_rich_uppercase "$name" "${@: -1}"
  # The rewrite is announced as Nimbrel's own copy (but for a secret).
  [[ $body == - ]] || e2e_wait_for "$name: the rewrite announced" e2e_notify_count_at_least $((++announced))
}

e2e_start_desktop
# Text already on the clipboard at start is no change: Nimbrel announces nothing, but its first
# menu entry opens the paste item options window with that text in it (copied from there, it is
# announced as any copy is).
e2e_offer --replay "$offers/featherpad-text.offer"
e2e_start_nimbrel
e2e_open_tray_menu
xdotool key Down Return
e2e_wait_for "the paste item options window" e2e_window_shown "Paste Item Options"
e2e_type_into "Paste Item Options" ctrl+a ctrl+c
announced_as "the text found at start, unannounced until copied from the window" \
  "$(recorded_target UTF8_STRING "$offers/featherpad-text.offer")"

# Each program's copy as it made it, then the older forms of its text alone, as owners offer them.
for name in mousepad-text libreoffice-writer-paragraph libreoffice-writer-x11-paragraph chromium-page \
  firefox-esr-paragraph firefox-esr-wrapped-page thunderbird-compose-paragraph \
  libreoffice-writer-footnote-list-table libreoffice-calc-range featherpad-text focuswriter-text xterm-text; do
  row "$name" = = $([[ $name == mousepad-* ]] && echo --save-at-quit) --replay "$offers/$name.offer"
done
row 'LibreOffice Writer, its UTF-16 text alone' = = --refuse UTF8_STRING --refuse 'text/plain;charset=utf-8' \
  --replay "$offers/libreoffice-writer-paragraph.offer"
row 'xterm, its Latin-1 text alone' = "$(recorded_target UTF8_STRING "$offers/xterm-text.offer" | sed 's/–/?/')" --refuse UTF8_STRING \
  --replay "$offers/xterm-text.offer"
row 'PCManFM, one file' 'Grüße aus Köln.txt' - --replay "$offers/pcmanfm-one-file.offer"
row 'PCManFM, one file cut' 'Grüße aus Köln.txt' - --replay "$offers/pcmanfm-cut-one-file.offer"
row 'PCManFM, three files' '3 files' - --replay "$offers/pcmanfm-three-files.offer"
row '...the GNOME form alone' '3 files' - --refuse text/uri-list --replay "$offers/pcmanfm-three-files.offer"
row 'Thunar, one file' 'Grüße aus Köln.txt' - --replay "$offers/thunar-one-file.offer"
row 'Thunar, two files' '2 files' - --replay "$offers/thunar-two-files.offer"
row 'Nautilus, two files' '2 files' - --replay "$offers/nautilus-two-files.offer"
row KeePassXC - = --replay "$offers/keepassxc-password.offer"
row '...its hint never given' - = --refuse x-kde-passwordManagerHint --replay "$offers/keepassxc-password.offer"
row 'KeePassXC, cleared' - - --replay "$offers/keepassxc-password-cleared.offer"
row 'a secret marked as concealed' - 'correct horse' 'UTF8_STRING=correct horse' 'org.nspasteboard.ConcealedType='
row 'LENGTH listed first' = 'length first' LENGTH=3 'UTF8_STRING=length first'
row '20,000 garbage targets' = = --garbage-targets 20000 --replay "$offers/featherpad-text.offer"
row '20,000 files' '20000 files' - --chunk 1000000 \
  --replay "$(printf 'file:///home/user/photos/picture-%05d.jpg\r\n' {1..20000} | recorded text/uri-list)"
row 'a file name with markup, a newline and a byte not in UTF-8' "&lt;b&gt;&amp;amp;$r${r}.txt" - \
  $'text/uri-list=file:///tmp/%3Cb%3E%26amp%3B%0A%FF.txt\r\n'
row 'an image, without a body' '' - --replay "$(base64 -d <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==' |
  recorded image/png)"
row 'HTML with plain text, as the plain text' 'bold words' 'bold words' 'text/html=<b>bold</b> words' 'UTF8_STRING=bold words'
row 'markup, bytes not in UTF-8 and NULs' "caf$r &lt;b&gt;&amp;amp;&lt;/b&gt; &quot;q&quot; &apos;a&apos;${r}two$r" '*' \
  --replay "$(printf 'caf\xe9 <b>&amp;</b> "q" \x27a\x27\0two\0' | recorded UTF8_STRING)"
row 'a long text sent in pieces, cut at 1,000 characters' "${long::999}…" "$long" --repeat-to 600000 --chunk 200000 \
  $'UTF8_STRING=a line of a long text\n'

# Makes an offer with these arguments and waits for its announcement, the only one since the last.
copied() { e2e_offer "$@" && announced_as "[$*], the only new announcement" '*'; }
# TEXT comes in the encoding its owner picked (here Latin-1, beside UTF-8), named by the answer's
# type: it is kept as it came. Nimbrel's own text goes as UTF-8, and the answer says so.
copied --text-as COMPOUND_TEXT 'UTF8_STRING=naïve' $'TEXT=na\xefve'
owner_quits
# In base64: naïve in UTF-8, then in Latin-1.
e2e_wait_for "TEXT kept as it came" kept_is $'TARGETS\nTIMESTAMP\nMULTIPLE\nUTF8_STRING bmHDr3Zl\nTEXT bmHvdmU='
e2e_expect_eq "kept TEXT: its owner's type" COMPOUND_TEXT "$("$CLIPBOARD_OWNER" --type-of TEXT)"
e2e_call RunTextAction Uppercase >/dev/null
e2e_wait_for "the rewrite announced" e2e_notify_count_at_least $((++announced))
e2e_expect_eq "Nimbrel's own TEXT: UTF-8" UTF8_STRING "$("$CLIPBOARD_OWNER" --type-of TEXT)"
# Kept or not once the owner quits, one row a case. Never kept: anything with the option off (read
# as without it), over 32 MiB, after a clear. A secret goes the way of a copy over 32 MiB here, with
# no copy to keep (tests/platform/qt, and a row of tests/wayland). Another program that takes the
# clipboard manager's role and quits leaves the role free: Nimbrel takes it again, so an owner that
# asks the manager to save its copy as it quits has it saved. Name | before the copy | the owner's
# arguments, ";" between | after the copy | what the owner's hand-over got ("": it asked for none) |
# the text kept ("": nothing).
keeping() { # an edit counts from the next copy, once Nimbrel has answered a call made after it
  printf '{"notifyText": 1, "notifyFilesAndDirectories": 1, "keepClipboard": %s}\n' "$1" >"$NIMBREL_PREFERENCES"
  e2e_call TextActionTitles >/dev/null
}
rival_manager() {
  e2e_owner_until rival-manager manager --manager
  e2e_end_group "$E2E_SPAWNED"
}
string_unread() { ! e2e_offer_said 'served STRING' || e2e_fail "the option off: a kept type read"; }
keep_rows=(
  "the option off|keeping 0|--save-at-quit;UTF8_STRING=not kept;STRING=not read|string_unread|no manager|"
  "right after the option is on again|keeping 1|UTF8_STRING=kept again|||kept again"
  "over 32 MiB||--save-at-quit;--repeat-to;$((32 * 1024 * 1024 + 1));UTF8_STRING=over the bound ||not saved|"
  "after another manager quit|rival_manager|--save-at-quit;UTF8_STRING=saved||saved|saved"
  "cleared||UTF8_STRING=cleared|e2e_call ClearClipboard|||"
)
for row in "${keep_rows[@]}"; do
  IFS='|' read -r name before owner after said kept <<<"$row"
  IFS=';' read -ra args <<<"$owner"
  $before
  copied "${args[@]}"
  $after >/dev/null
  owner_quits
  [[ -z $said ]] || e2e_expect_eq "$name: the hand-over got" "$said" "$(tail -n 1 "$E2E_OFFER_LOG")"
  if [[ -n $kept ]]; then e2e_wait_for "$name: kept" e2e_paste_is "$kept"; else ! e2e_paste TARGETS || e2e_fail "$name: kept"; fi
done
e2e_expect_eq "over 32 MiB: said once" 1 "$(grep -c 'more than 32 MiB is not kept' "$E2E_TMP/nimbrel.log")"
e2e_expect_eq "cleared, then the owner quit" '(false,)' "$(e2e_call RunTextAction Uppercase)"

# A keeper that takes the copy Nimbrel kept from it, as keepers hand a copy on (and rival ones
# take it back each time), offers the same copy: it is not announced again; the next copy is.
copied 'UTF8_STRING=handed on'
owner_quits
e2e_wait_for "the copy kept" e2e_paste_is 'handed on'
e2e_offer 'UTF8_STRING=handed on'
e2e_wait_for "Nimbrel to read the copy handed on" e2e_offer_read
e2e_offer 'UTF8_STRING=after the hand-on'
announced_as "a kept copy handed on, then a new one" 'after the hand-on'

# A rival keeper lets the clipboard go as soon as it has been read, and takes it back each time
# Nimbrel has taken it over: its copy is announced once however often it changes hands, and the
# clipboard is not left empty once the rival quits.
copied --rival 20 'UTF8_STRING=a rival keeper'
e2e_wait_for "the rival's last round" e2e_offer_said 'round 20'
e2e_wait_for "the rival to quit" e2e_fails e2e_ours "$E2E_SPAWNED"
e2e_wait_for "the rival's copy kept after it quit" e2e_paste_is 'a rival keeper'
e2e_expect_eq "a rival keeper's copy: announced once" "$announced [a rival keeper]" \
  "$(e2e_notify_count) [$(e2e_last_notify_body)]"

# Two keepers (lib.sh), the owner a clipboard_owner: each round's two copies are announced once.
offer_text() { e2e_offer "UTF8_STRING=$1"; }
e2e_two_keepers offer_text e2e_paste_is
announced=$((announced + 4))

# The X11 connections that read and that serve the clipboard, broken, come back.
e2e_wait_for "the reader's connection killed" kill_window "nimbrel clipboard reader"
row 'a copy after the reader was killed' = 'read again' 'UTF8_STRING=read again'
e2e_wait_for "the writer's connection killed" kill_window "nimbrel clipboard writer"
row 'a copy after the writer was killed' = 'written again' 'UTF8_STRING=written again'
e2e_expect_eq "each break said once" 2 "$(grep -c 'lost the X11 connection' "$E2E_TMP/nimbrel.log")"

# One announcement at a time: each is withdrawn before the next is made.
e2e_expect_eq "every announcement withdrawn before the next" "" "$(e2e_notification_records | tr '\0' '\n' |
  awk -F '\t' '$1 == "notify" && shown { print "not withdrawn: " shown } $1 == "id" { shown = $2 } $1 == "close" && $2 == shown { shown = "" }')"
