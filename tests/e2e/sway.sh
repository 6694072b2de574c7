# shellcheck shell=bash
# A private headless sway for the Wayland tests, sourced after lib.sh. sway refuses to run as
# root, so it runs as nobody in a runtime directory of its own; root's clients (Nimbrel, wl-copy,
# foot) reach its socket all the same.

# Starts sway with XWayland "enable"d or "disable"d and exports WAYLAND_DISPLAY and SWAYSOCK, and
# DISPLAY with XWayland (unset without).
e2e_start_sway() {
  local dir="$E2E_TMP/sway"
  install -d -o nobody -m 700 "$dir"
  chmod 711 "$E2E_TMP"
  {
    echo "xwayland $1"
    # The tray's bar is started by e2e_start_swaybar, as root, so that it reaches the session bus.
    printf 'bar tray {\n  swaybar_command true\n}\n'
    # XWayland lets only its own user in; root is let in before the display is made known.
    [[ $1 == enable ]] && echo "exec sh -c 'xhost +si:localuser:root && echo \$DISPLAY >$dir/display'"
  } >"$dir/config"
  e2e_spawn sway setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH="$PATH" XDG_RUNTIME_DIR="$dir" \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$dir/config"
  e2e_wait_for "sway's socket" compgen -G "$dir/sway-ipc.*.sock"
  WAYLAND_DISPLAY=$(compgen -G "$dir/wayland-[0-9]")
  SWAYSOCK=$(compgen -G "$dir/sway-ipc.*.sock")
  export WAYLAND_DISPLAY SWAYSOCK
  unset DISPLAY
  if [[ $1 == enable ]]; then
    e2e_wait_for "XWayland" test -s "$dir/display"
    DISPLAY=$(<"$dir/display")
    export DISPLAY
  fi
}

# For python3 -c: every node of sway's tree (swaymsg -t get_tree on standard input) in "nodes".
E2E_SWAY_NODES='import json, sys
def walk(n): return [n] + [node for child in n.get("nodes", []) + n.get("floating_nodes", []) for node in walk(child)]
nodes = walk(json.load(sys.stdin))'

# sway's windows, one a line: whether it has the focus (True or False), the node's type, the
# app_id (none for XWayland's) and the title, between tabs.
e2e_sway_windows() {
  swaymsg -t get_tree | python3 -c "$E2E_SWAY_NODES"'
for n in nodes:
    if n.get("shell"): print(n.get("focused"), n["type"], n.get("app_id") or "", n["name"], sep="\t")'
}
# The window with the focus, native or XWayland's, has this title.
e2e_sway_focused_title_is() { [[ "$(e2e_sway_windows | awk -F '\t' '$1 == "True" { print $4 }')" == "$1" ]]; }
# The app_id of the window with the focus; nothing when no window has it.
e2e_sway_focused_app() { e2e_sway_windows | awk -F '\t' '$1 == "True" { print $3 }'; }

# swaybar as the tray host: the StatusNotifierWatcher and host on the session bus.
e2e_start_swaybar() {
  e2e_spawn swaybar swaybar -b tray -s "$SWAYSOCK"
  e2e_wait_for "swaybar's tray" e2e_watcher IsStatusNotifierHostRegistered
}

# waybar along the top, holding only its tray, which draws the items' menus itself.
e2e_start_waybar() {
  echo '{"height": 30, "modules-right": ["tray"]}' >"$E2E_TMP/waybar.json"
  echo 'window#waybar { background: #202020; }' >"$E2E_TMP/waybar.css"
  e2e_spawn waybar waybar -c "$E2E_TMP/waybar.json" -s "$E2E_TMP/waybar.css"
  e2e_wait_for "waybar's tray" e2e_watcher IsStatusNotifierHostRegistered
}
