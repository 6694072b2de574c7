#!/usr/bin/env bash
# What Nimbrel announces for each kind of copy, one row a case: the exact notification body, or
# nothing. Rows run in order against one Nimbrel, which handles the changes it has read in order,
# so a row that announces nothing is proven silent by the announcement of the row after it.
source "$(dirname "$0")/lib.sh"

offers="$(dirname "$0")/../data/offers"
r=$'\xEF\xBF\xBD' # U+FFFD, for bytes that are not UTF-8
announced=0

# Row: copying what clipboard_owner is given is announced with exactly this body.
announces() {
  local name=$1 expected=$2
  shift 2
  e2e_offer "$@"
  announced=$((announced + 1))
  e2e_wait_for "the announcement of $name" e2e_notify_count_at_least "$announced"
  e2e_expect_eq "$name" "$announced announcements, the last [$expected]" \
    "$(e2e_notify_count) announcements, the last [$(e2e_last_notify_body)]"
}

# Row: the copy is read but not announced (the next row proves it).
silent() {
  local name=$1
  shift
  e2e_offer "$@"
  e2e_wait_for "Nimbrel to read $name" e2e_offer_read
}

awk 'BEGIN { for (i = 1; i <= 20000; i++) printf "file:///home/user/photos/picture-%06d.jpg\r\n", i }' \
  >"$E2E_TMP/many.uris"
base64 -d >"$E2E_TMP/pixel.png" <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg=='
printf 'one\0two\0' >"$E2E_TMP/nul"

e2e_start_desktop
e2e_start_nimbrel

announces 'text' 'hello world' 'UTF8_STRING=hello world'
announces 'the next text' 'second copy' 'UTF8_STRING=second copy'
first_id=$(e2e_notification_records | tr '\0' '\n' | sed -n 's/^id\t//p' | head -n 1)
e2e_expect_eq "the first announcement withdrawn before the next is made" \
  "$(printf 'notify\tNimbrel!\thello world\nid\t%s\nclose\t%s\nnotify\tNimbrel!\tsecond copy' "$first_id" "$first_id")" \
  "$(e2e_notification_records | tr '\0' '\n' | head -n 4)"
e2e_wait_for "exactly one notification on screen" e2e_displayed_count_is 1

announces 'three files' '3 files' $'text/uri-list=file:///tmp/a\r\nfile:///tmp/b\r\nfile:///tmp/c\r\n'
announces 'one file, by its name' 'Quarterly report.pdf' $'text/uri-list=file:///home/someone/Quarterly%20report.pdf\r\n'
announces 'file name with a newline, shown as U+FFFD' "two${r}lines.txt" $'text/uri-list=file:///tmp/two%0Alines.txt\r\n'
announces 'file name not in UTF-8' "caf$r.txt" $'text/uri-list=file:///tmp/caf%FF.txt\r\n'
announces 'file name with markup' '&lt;b&gt;&amp;amp;.txt' $'text/uri-list=file:///tmp/%3Cb%3E%26amp%3B.txt\r\n'
announces '20,000 files' '20000 files' --chunk 1000000 --file "text/uri-list=$E2E_TMP/many.uris"
announces 'an image, without a body' '' --file "image/png=$E2E_TMP/pixel.png"
announces 'HTML with plain text, as the plain text' 'bold words' 'text/html=<b>bold</b> words' 'UTF8_STRING=bold words'
announces 'a byte that is not UTF-8' "caf$r au lait" $'UTF8_STRING=caf\xe9 au lait'
announces 'NUL bytes' "one${r}two$r" --file "UTF8_STRING=$E2E_TMP/nul"
announces 'markup' '&lt;b&gt;&amp;amp;&lt;/b&gt; &quot;q&quot; &apos;a&apos;' $'UTF8_STRING=<b>&amp;</b> "q" \'a\''
announces 'a long text sent in pieces, cut at 1,000 characters' "$(yes 'a line of a long text' | head -c 999)…" \
  --repeat-to 600000 --chunk 200000 $'UTF8_STRING=a line of a long text\n'
announces 'an owner that answers each request 200 ms late' 'late but welcome' --delay-ms 200 'UTF8_STRING=late but welcome'
announces '1,000 garbage targets' 'text among garbage' 'UTF8_STRING=text among garbage' --garbage-targets 1000
silent 'a secret marked by the KDE hint' 'UTF8_STRING=hunter2' 'x-kde-passwordManagerHint=secret'
silent 'a secret marked as concealed' 'UTF8_STRING=correct horse' 'org.nspasteboard.ConcealedType='
silent 'KeePassXC password' --replay "$offers/keepassxc-password.offer"
silent 'KeePassXC after it cleared the password' --replay "$offers/keepassxc-password-cleared.offer"
# Recorded text, announced as the notification body shows it (markup escaped).
for recording in featherpad-text chromium-page libreoffice-writer-x11-paragraph xterm-text; do
  announces "$recording" "$(sed -n 's/^UTF8_STRING\tbase64://p' "$offers/$recording.offer" | base64 -d |
    sed "s/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/\"/\&quot;/g; s/'/\&apos;/g")" --replay "$offers/$recording.offer"
done
announces 'Nautilus two files' '2 files' --replay "$offers/nautilus-two-files.offer"
announces 'Thunar one file' 'Grüße aus Köln.txt' --replay "$offers/thunar-one-file.offer"
announces 'Thunar two files' '2 files' --replay "$offers/thunar-two-files.offer"
