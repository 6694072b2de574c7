#!/usr/bin/env bash
# Nimbrel in the user's language, one language a run, started with LANGUAGE set as a session sets it:
# the tray menu as a panel reads it (the exported com.canonical.dbusmenu, in xfce4-panel), a copy of
# two files announced in the language's plural, the settings window's title, and the window laid out
# in the language's direction, mirrored for Arabic. What scripts use stays English: --action takes
# the English title, --list-actions prints the English titles.
#
#   languages.sh de    German, written left to right
#   languages.sh ar    Arabic, written right to left
source "$(dirname "$0")/lib.sh"
export LANGUAGE=$1

# Each language's exported menu | the announcement of two files | the settings window's title |
# its headings' side.
case $LANGUAGE in
  de) IFS='|' read -r menu files title side <<<'Textaktionen …:false Zwischenablage leeren:false Einstellungen …:true - Beenden:true|2 Dateien|Nimbrel-Einstellungen|left' ;;
  ar) IFS='|' read -r menu files title side <<<'إجراءات النص…:false مسح الحافظة:false الإعدادات…:true - إنهاء:true|ملفان|إعدادات Nimbrel|right' ;;
  *) e2e_fail "no row for the language [$LANGUAGE]" ;;
esac

# The settings window's first heading stands at this side: the one with the narrower margin
# beside it. A window not drawn yet stands at neither.
headings_at() {
  local window width left right
  window=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
  read -r width left right < <(import -window "$window" -crop 100%x40+0+0 +repage png:- |
    convert - -trim -format '%W %X %w\n' info: | awk '{ print $1, $2, $1 - $2 - $3 }')
  if [[ $1 == left ]]; then ((left < right)); else ((right < left)); fi
}

e2e_start_desktop xfce4-panel nimbrel
e2e_wait_for "Nimbrel in the panel" e2e_menu_item
e2e_expect_eq "the menu in the panel" "$menu" "$(e2e_menu_layout)"

e2e_offer_and_wait $'text/uri-list=file:///tmp/a.txt\r\nfile:///tmp/b.txt\r\n'
e2e_wait_for "the announcement of two files" e2e_last_notify_body_is "$files"

e2e_copy_and_wait 'hello   wORLD'
"$NIMBREL_BINARY" --action Uppercase || e2e_fail "--action Uppercase ended with status $?"
e2e_expect_eq "--action with the English title" 'HELLO   WORLD' "$(e2e_paste)"
e2e_expect_eq "--list-actions" $'Capitalize\nLowercase\nUppercase\nSnakecase\nRemove rich text formatting\nRemove multiple whitespace\nRemove all whitespace' \
  "$("$NIMBREL_BINARY" --list-actions)"

e2e_call ShowSettings >/dev/null
e2e_wait_for "the settings window, titled [$title]" e2e_window_shown "$title"
e2e_wait_for "the settings window's headings at the $side" headings_at "$side"
