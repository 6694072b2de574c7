#!/usr/bin/env bash
# Nimbrel's tray entry in real panels, one panel a run: the icon appears (not all one colour on
# screen), the menu opens at the icon with its four entries, "Text actions…" disabled while the
# clipboard is empty, and each entry does its job. A click is the panel's where the test can click
# (X11); on headless sway, which has no pointer, the test calls what the panel calls on a click.
#
#   tray.sh trayer                 the X11 system tray on Xvfb: Qt's tray icon, our menu
#   tray.sh xfce4-panel            on Xvfb: the panel draws our exported menu
#   tray.sh swaybar enable|disable headless sway with or without XWayland: ContextMenu(x, y) opens
#                                  our menu, there
#   tray.sh waybar enable|disable  headless sway: the panel draws our exported menu (com.canonical.dbusmenu)
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sway.sh"

panel=$1 xwayland=${2:-}
native=$([[ $xwayland == disable ]] && echo true || echo false)
wayland=$([[ $panel == *bar ]] && echo true || echo false)

entry_id() { e2e_menu_call GetLayout 0 1 '[]' | grep -o "([0-9]*, {[^}]*'$1'" | grep -o '^([0-9]*' | tr -d '('; }
colours() { convert - -format %k info:; }
# The corner of the screen where the panel puts its icon, as a picture.
icon_area() {
  case $panel in
    trayer) import -window "$(e2e_status_icon)" png:- ;;
    xfce4-panel) import -window root -crop 22x22+1+4 png:- ;;
    swaybar) grim -g "$((width - 40)),$((height - 20)) 40x20" - ;;
    waybar) grim -g "$((width - 40)),0 40x30" - ;;
  esac
}
icon_shown() { (($(icon_area | colours) > 1)); }
window_shown() { if $native; then e2e_sway_windows | grep -q $'\t'"$*\$"; else e2e_window_shown "$*"; fi; }
close_window() {
  if $native; then swaymsg "[title=\"^$1\$\"] kill"; else xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)" key Escape; fi >/dev/null
  e2e_wait_for "$1 to close" e2e_fails window_shown "$1"
}
# An override-redirect window (a menu) within 40 pixels of $1,$2: below or above, as it fits.
popup_near() {
  # shellcheck disable=SC2034 # WINDOW and SCREEN: xdotool's --shell sets them too
  local id geometry WINDOW X Y WIDTH HEIGHT SCREEN
  for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
    geometry=$(xwininfo -all -id "$id" 2>/dev/null) || continue
    [[ $geometry == *'Override Redirect State: yes'* && $geometry == *IsViewable* ]] || continue
    eval "$(xdotool getwindowgeometry --shell "$id")"
    ((X - $1 <= 40 && $1 - X - WIDTH <= 40 && Y - $2 <= 40 && $2 - Y - HEIGHT <= 40)) && return 0
  done
  return 1
}

# A window of that title that sway floats, native or XWayland's: a dialog, at its own size.
window_floats() { e2e_sway_windows | grep -qx $'[^\t]*\tfloating_con\t[^\t]*\t'"$1"; }

# Opens the menu as the panel's user does and picks the entry N keys down (Up for Quit), or, where
# the menu cannot be reached with keys, clicks the entry as the panel would.
pick() {
  local title=$1 keys=$2 x y
  case $panel in
    trayer) e2e_open_tray_menu ;;
    xfce4-panel) xdotool mousemove 15 15 click 1 ;;
    swaybar) x=$((width - 15)) y=$((height - 15))
      gdbus call --session --dest "$(e2e_menu_item)" --object-path /StatusNotifierItem \
        --method org.kde.StatusNotifierItem.ContextMenu $x $y >/dev/null ;;
  esac
  if [[ $panel == swaybar ]] && $native; then
    # A native Wayland window cannot be placed: the menu floats where sway puts it.
    e2e_wait_for "our menu, floating, for $title" window_floats Nimbrel
    swaymsg '[app_id="nimbrel" title="^Nimbrel$"] kill' >/dev/null
    e2e_wait_for "the menu to close" e2e_fails window_floats Nimbrel
  fi
  if [[ $panel == waybar ]] || $native; then
    # What a panel that draws the menu sends when it opens and when an entry is clicked.
    e2e_menu_call AboutToShow 0 >/dev/null
    e2e_menu_call Event "$(entry_id "$title")" clicked '<0>' 0 >/dev/null
    return
  fi
  [[ $panel == swaybar ]] || eval "$(xdotool getmouselocation --shell | tr XY xy)"
  e2e_wait_for "the menu at the icon ($x,$y) for $title" popup_near "$x" "$y"
  # shellcheck disable=SC2086
  xdotool key $keys
}

if [[ $panel == trayer ]]; then
  # Qt takes a click that follows the last one within the double-click interval, as a quick
  # user's click right after the menu closed does, for a double click. With KDE's interval of
  # ten minutes every click on the icon but the first is one, and must open the menu all the same.
  printf '[KDE]\nDoubleClickInterval=600000\n' >"$XDG_CONFIG_HOME/kdeglobals"
  export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
fi
e2e_start_desktop no-notifications "$panel" ${xwayland:+"sway-$xwayland"}
$wayland && read -r width height < <(swaymsg -t get_outputs | python3 -c 'import json, sys
r = json.load(sys.stdin)[0]["rect"]; print(r["width"], r["height"])')

[[ $panel == trayer ]] || e2e_expect_eq "the panel's corner before Nimbrel" 1 "$(icon_area | colours)"
QT_QPA_PLATFORM=$($native && echo wayland || echo xcb) e2e_start_nimbrel
e2e_wait_for "the icon on screen, not all one colour" icon_shown
[[ $panel == trayer ]] || e2e_expect_eq "the exported menu on an empty clipboard" \
  "Text actions…:false Clear clipboard:false Settings…:true - Quit:true" "$(e2e_menu_layout)"

if [[ $panel == swaybar ]]; then
  # A second start brings the settings window to the user, also over a window that took the focus.
  "$NIMBREL_BINARY" || e2e_fail "a second start ended with status $?"
  e2e_wait_for "the settings window" window_shown Nimbrel Settings
  e2e_spawn foot foot --title other
  e2e_wait_for "another window with the focus" e2e_sway_focused_title_is other
  "$NIMBREL_BINARY" || e2e_fail "a second start ended with status $?"
  e2e_wait_for "a second start to give the settings window the focus" e2e_sway_focused_title_is 'Nimbrel Settings'
  e2e_end_group "$E2E_SPAWNED"
  close_window 'Nimbrel Settings'
fi

# entry | keys in the menu | what the clipboard holds first | what shows that it worked. With the
# clipboard empty, the first Down skips the disabled "Text actions…" and "Clear clipboard"; with
# text, the keys reach them.
rows=(
  'Settings…|Down Return||window_shown Nimbrel Settings'
  'Text actions…|Down Return|hello|window_shown Paste Item Options'
  'Clear clipboard|Down Down Return|hello|e2e_paste_is'
  'Quit|Up Return||e2e_fails e2e_nimbrel_running'
)
for row in "${rows[@]}"; do
  IFS='|' read -r title keys text condition <<<"$row"
  [[ -z $text ]] || { e2e_copy "$text" && e2e_read_done; }
  pick "$title" "$keys"
  read -ra words <<<"$condition"
  e2e_wait_for "$title after [$text]: $condition" "${words[@]}"
  # Tiling would stretch the windows over the workspace: as dialogs, sway floats them.
  [[ ${words[0]} != window_shown ]] || ! $wayland || e2e_wait_for "${words[*]:1} floating" window_floats "${words[*]:1}"
  [[ ${words[0]} != window_shown ]] || close_window "${words[*]:1}"
done
wait "$E2E_NIMBREL_PID" || e2e_fail "Quit ended Nimbrel with status $?"
