#!/usr/bin/env bash
# Copies as real programs make them (tests/data/offers, replayed by tests/peer/clipboard_owner), and
# owners that offer them badly: one row a case, with the announcement's body ("-": none) and the
# plain text that "Uppercase" starts from ("-": none, so the action declines). Rows run in order
# against one Nimbrel; each row counts the announcements, so a silent row is proven silent by the
# row after it.
source "$(dirname "$0")/lib.sh"

offers="$(dirname "$0")/../data/offers"
four=$'Grüße aus Köln – naïve café\nZweite Zeile: 10 € für die Crème brûlée\n\tEingerückt: „Anführung“ und ‘einfach’ — ok\n日本語のテキスト 🙂\n'
two=${four%%$'\n\t'*}
writer='Grüße aus Köln – wir treffen uns im Café Müller am Montag; bitte pünktlich sein, naïve Gäste!'
chromium=$'Grüße aus Köln\nEin naïve Rezept für Crème brûlée – siehe die Rezeptseite.\n\nZucker: 100 g\nSahne: ½ Liter'
xterm=$'Grüße aus Köln – naïve café\n  ls -l "/tmp/Bericht März.pdf" # tab before the comment\n'
dir=/tmp/rec/home/Dokumente
thunar=$dir$'/zwei/Bericht März.pdf\nfile://'$dir/zwei/zwei%0Azeilen.txt
nautilus=$dir$'/zwei/Bericht März.pdf '$dir$'/zwei/zwei\nzeilen.txt'
upper() { python3 -c 'import sys; sys.stdout.write(sys.argv[1].upper())' "$1"; }
escaped() { sed "s/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/\"/\&quot;/g; s/'/\&apos;/g" <<<"$1"; }
# Runs Uppercase until it rewrites the clipboard to the text (a bus call may come before Nimbrel
# has taken in a copy it does not announce); it rewrites at most once, as it declines until then.
uppercases_to() { [[ "$(e2e_call RunTextAction Uppercase)" == "(true,)" ]] && e2e_clipboard_text_is "$1"; }
kill_window() { xkill -id "$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)"; }

e2e_start_desktop
# Text already on the clipboard at start is no change: Nimbrel announces nothing, but its first
# menu entry opens the paste item options window with that text in it (copied from there, it is
# announced as any copy is).
e2e_offer --replay "$offers/featherpad-text.offer"
e2e_start_nimbrel
e2e_open_tray_menu
xdotool key Down Return
e2e_wait_for "the paste item options window" e2e_window_shown "Paste Item Options"
e2e_expect_eq "text found at start not announced" 0 "$(e2e_notify_count)"
e2e_type_into "Paste Item Options" ctrl+a ctrl+c
e2e_wait_for "the window's text copied" e2e_notify_count_at_least 1
e2e_expect_eq "the window shows the text found at start" "$two" "$(e2e_last_notify_body)"

while IFS='|' read -r name options body text; do
  eval "options=($options)"
  [[ -v $body ]] && body=${!body}
  [[ -v $text ]] && text=${!text}
  [[ $body == = ]] && body=$(escaped "$text")
  before=$(e2e_notify_count)
  e2e_offer "${options[@]}"
  if [[ $body == - ]]; then
    e2e_wait_for "Nimbrel to read $name" e2e_offer_read
  else
    e2e_wait_for "the announcement of $name" e2e_notify_count_at_least $((before + 1))
    e2e_expect_eq "$name" "$((before + 1)) [$body]" "$(e2e_notify_count) [$(e2e_last_notify_body)]"
  fi
  if [[ $text == - ]]; then
    e2e_expect_eq "$name: Uppercase declines" "(false,)" "$(e2e_call RunTextAction Uppercase)"
    continue
  fi
  e2e_wait_for "$name: Uppercase" uppercases_to "$(upper "$text")"
  [[ $body == - ]] || e2e_wait_for "$name: the rewrite announced" e2e_last_notify_body_is "$(escaped "$(upper "$text")")"
done <<'ROWS'
Mousepad|--replay "$offers/mousepad-text.offer"|=|four
LibreOffice Writer|--replay "$offers/libreoffice-writer-paragraph.offer"|=|writer
...its UTF-16 text alone|--refuse UTF8_STRING --refuse 'text/plain;charset=utf-8' --replay "$offers/libreoffice-writer-paragraph.offer"|=|writer
LibreOffice Writer on plain X11|--replay "$offers/libreoffice-writer-x11-paragraph.offer"|=|writer
Chromium|--replay "$offers/chromium-page.offer"|=|chromium
FeatherPad|--replay "$offers/featherpad-text.offer"|=|two
FocusWriter|--replay "$offers/focuswriter-text.offer"|=|four
xterm|--replay "$offers/xterm-text.offer"|=|xterm
PCManFM, one file|--replay "$offers/pcmanfm-one-file.offer"|Grüße aus Köln.txt|-
PCManFM, three files|--replay "$offers/pcmanfm-three-files.offer"|3 files|-
Thunar, one file|--replay "$offers/thunar-one-file.offer"|Grüße aus Köln.txt|/tmp/rec/home/Dokumente/eins/Grüße aus Köln.txt
Thunar, two files|--replay "$offers/thunar-two-files.offer"|2 files|thunar
Nautilus, two files|--replay "$offers/nautilus-two-files.offer"|2 files|nautilus
KeePassXC|--replay "$offers/keepassxc-password.offer"|-|Kö1n-Paß#2024
...its hint not given|--refuse x-kde-passwordManagerHint --replay "$offers/keepassxc-password.offer"|-|Kö1n-Paß#2024
KeePassXC, cleared|--replay "$offers/keepassxc-password-cleared.offer"|-|
LENGTH listed first|LENGTH=3 'UTF8_STRING=length first'|=|length first
20,000 garbage targets|--garbage-targets 20000 --replay "$offers/featherpad-text.offer"|=|two
ROWS

# The X11 connections that read and that serve the clipboard, broken, come back.
e2e_wait_for "the reader's connection killed" kill_window "nimbrel clipboard reader"
e2e_copy_and_wait 'read again'
e2e_wait_for "the writer's connection killed" kill_window "nimbrel clipboard writer"
e2e_wait_for "Uppercase served again" uppercases_to 'READ AGAIN'
e2e_expect_eq "each break said once" 2 "$(grep -c 'lost the X11 connection' "$E2E_TMP/nimbrel.log")"
