#!/usr/bin/env bash
# Takes the README's screenshots (docs/screenshots/*.png) of the tray menu and both windows,
# on a private X display with a real tray host and notification daemon, of the menu as
# xfce4-panel draws it, and of both windows in German and in Arabic (written right to left, so
# mirrored).
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD

./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j2
NIMBREL_BINARY=$(find "$repository/build/release" -type f -name nimbrel -perm -u+x | head -n 1)
export NIMBREL_BINARY
output="$repository/docs/screenshots"
mkdir -p "$output"

source tests/e2e/lib.sh

e2e_start_desktop
e2e_start_nimbrel
# xclip rather than the test owner, which the release build does not make.
text='Meeting notes:   bring the   quarterly figures'
printf '%s' "$text" >"$E2E_TMP/copy"
e2e_spawn xclip xclip -quiet -selection clipboard -t UTF8_STRING -i "$E2E_TMP/copy"
e2e_wait_for "the copy announced" e2e_last_notify_body_is "$text"

e2e_open_tray_menu
# The top right corner holds the tray, the menu below it and the notification bubble.
import -window root -crop 560x130+720+0 +repage "$output/tray-menu.png"
xdotool key Escape

e2e_call ShowSettings >/dev/null
e2e_wait_for "the settings window" e2e_window_shown "Nimbrel Settings"
import -window "$(xdotool search --onlyvisible --name '^Nimbrel Settings$' | head -n 1)" "$output/settings.png"

e2e_call ShowPasteItemOptions >/dev/null
e2e_wait_for "the paste item options window" e2e_window_shown "Paste Item Options"
import -window "$(xdotool search --onlyvisible --name '^Paste Item Options$' | head -n 1)" "$output/paste-item-options.png"

# language:the settings window's title:the paste item options window's title
for language in 'de:Nimbrel-Einstellungen:Einfügeoptionen' 'ar:إعدادات Nimbrel:خيارات عنصر اللصق'; do
  IFS=: read -r code settings options <<<"$language"
  e2e_stop_nimbrel
  LANGUAGE=$code e2e_start_nimbrel
  e2e_call ShowSettings >/dev/null
  e2e_wait_for "the settings window in $code" e2e_window_shown "$settings"
  import -window "$(xdotool search --onlyvisible --name "^$settings\$" | head -n 1)" "$output/settings-$code.png"
  e2e_call ShowPasteItemOptions >/dev/null
  e2e_wait_for "the paste item options window in $code" e2e_window_shown "$options"
  import -window "$(xdotool search --onlyvisible --name "^$options\$" | head -n 1)" "$output/paste-item-options-$code.png"
done
e2e_stop_nimbrel
e2e_start_nimbrel

# A panel that draws menus itself comes: Nimbrel's entry moves to it, and its menu is drawn there.
xdotool key Escape
e2e_start_xfce_panel
e2e_wait_for "Nimbrel in xfce4-panel" grep -q 'StatusNotifierItem' "$E2E_TMP/nimbrel.log"
e2e_wait_for "the icon drawn" test "$(import -window root -crop 22x22+1+4 png:- | convert - -format %k info:)" -gt 1
xdotool mousemove 15 15 click 1
e2e_wait_for "the panel's menu" test "$(import -window root -crop 150x100+0+40 png:- | convert - -format %k info:)" -ge 3
import -window root -crop 170x140+0+0 +repage "$output/tray-menu-xfce4-panel.png"


echo "screenshots: written to $output"
