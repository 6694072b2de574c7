# shellcheck shell=bash
# Helpers for the end-to-end, fault and soak tests, bench/desktop and scripts/screenshots.sh.
#
# A test gets a private world: its own X display (Xvfb), session bus, notification daemon, tray
# host and configuration directory, so tests never share clipboard, bus names or preferences and
# may run side by side. Every process is started in its own process group and the whole group is
# ended at exit, whatever way the test ends. A test waits for the event its next step needs,
# never for a fixed time; E2E_DEADLINE is only a watchdog against hangs.
set -euo pipefail

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/nimbrel-e2e.XXXXXX")
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_GROUPS=()
E2E_OFFERS=0
# Generous: the tests run the sanitizer build, side by side, on machines busy with other work.
E2E_DEADLINE=${E2E_DEADLINE:-90}

NIMBREL_BUS_NAME=org.nimbrel.Nimbrel
NIMBREL_OBJECT_PATH=/org/nimbrel/Nimbrel

export XDG_CONFIG_HOME="$E2E_TMP/config" XDG_CACHE_HOME="$E2E_TMP/cache" XDG_DATA_HOME="$E2E_TMP/data"
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
# A compositor of the caller's would be the clipboard of every paste and of Nimbrel.
unset WAYLAND_DISPLAY SWAYSOCK
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
NIMBREL_PREFERENCES="$XDG_CONFIG_HOME/nimbrel/preferences.json"
NOTIFICATIONS_LOG="$E2E_TMP/notifications.log"

e2e_log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*" >&2; }

# Fails the test, showing the end of every log of the world it ran in.
e2e_fail() { e2e_log "FAIL: $*" && tail -n 40 "$E2E_TMP"/*.log >&2; exit 1; }

e2e_expect_eq() { [[ "$2" == "$3" ]] || e2e_fail "$1: expected [$2], got [$3]"; e2e_log "ok: $1"; }

# Whether a process this shell started still runs. Its number alone does not tell: once it has
# ended, the number may already be another's, say a process of a test running beside this one.
e2e_ours() { [[ "$(ps -o ppid=,stat= -p "$1" 2>/dev/null)" =~ ^\ *$BASHPID\ +[^Z] ]]; }

# Ends one process group that is still ours: politely first (continued, should it be stopped),
# then for good.
e2e_end_group() {
  local i
  e2e_ours "$1" && kill -TERM -- "-$1" 2>/dev/null && kill -CONT -- "-$1" 2>/dev/null || return 0
  for ((i = 0; i < 50; i++)); do e2e_ours "$1" && sleep 0.1 || return 0; done
  kill -KILL -- "-$1" 2>/dev/null || true
}

e2e_cleanup() {
  local status=$? i
  trap - EXIT INT TERM
  for ((i = ${#E2E_GROUPS[@]} - 1; i >= 0; i--)); do e2e_end_group "${E2E_GROUPS[i]}"; done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
  exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts a command in a process group of its own, logging to $E2E_TMP/<name>.log; sets E2E_SPAWNED.
e2e_spawn() {
  setsid "${@:2}" >"$E2E_TMP/$1.log" 2>&1 </dev/null &
  E2E_SPAWNED=$!
  E2E_GROUPS+=("$E2E_SPAWNED")
}

# Polls a command until it succeeds and says so; fails the test when the watchdog runs out. Most
# waits end within a second; past two, a look every 0.2 s leaves the cores to the suites beside it.
e2e_wait_for() {
  local start=$SECONDS deadline=$((SECONDS + E2E_DEADLINE))
  until "${@:2}" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || e2e_fail "timed out after ${E2E_DEADLINE}s waiting for $1"
    if ((SECONDS - start < 2)); then sleep 0.05; else sleep 0.2; fi
  done
  e2e_log "ok: $1"
}

# A private session bus (session-bus.conf) in the test's folder.
e2e_start_session_bus() {
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/bus"
  e2e_spawn dbus dbus-daemon --config-file="$E2E_DIR/session-bus.conf" --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile
  e2e_wait_for "the session bus" dbus-send --session --print-reply --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.ListNames
}

# A session bus that takes connections and never answers them, at $E2E_TMP/silent/bus: a bus
# stopped once it has answered, so nobody is refused.
e2e_start_silent_bus() {
  local E2E_TMP=$E2E_TMP/silent DBUS_SESSION_BUS_ADDRESS
  mkdir "$E2E_TMP" && e2e_start_session_bus
  kill -STOP "$E2E_SPAWNED"
}

# Records every call to the notification service and its answers; read back with e2e_notify_calls.
e2e_start_notification_monitor() {
  e2e_spawn notifications dbus-monitor --session \
    "type='method_call',interface='org.freedesktop.Notifications'" "type='method_return',sender='org.freedesktop.Notifications'"
  # dbus-monitor prints its own NameAcquired/NameLost bookkeeping once it is listening.
  e2e_wait_for "the bus monitor" grep -q 'NameLost\|NameAcquired' "$NOTIFICATIONS_LOG"
}

# A real notification daemon with a configuration of our own. Its context menu, which lists a
# notification's buttons, goes to a stand-in for dmenu that picks what e2e_press_notification_button asks for.
e2e_start_notification_daemon() {
  printf '#!/bin/sh\ngrep -m 1 -F "#$(cat "%s")"\n' "$E2E_TMP/menu-choice" | install -m 755 /dev/stdin "$E2E_TMP/pick-menu-entry"
  printf '[global]\nwidth = 300\norigin = top-right\noffset = 160x40\nfollow = none\nmarkup = full
format = "%%s\\n%%b"\nidle_threshold = 0\nmouse_left_click = do_action, close_current\ndmenu = %s
[urgency_normal]\ntimeout = 0\n' "$E2E_TMP/pick-menu-entry" >"$E2E_TMP/dunstrc"
  e2e_spawn dunst dunst -config "$E2E_TMP/dunstrc"
  E2E_DAEMON_PID=$E2E_SPAWNED
  e2e_wait_for "the notification daemon" gdbus call --session --dest org.freedesktop.Notifications \
    --object-path /org/freedesktop/Notifications --method org.freedesktop.Notifications.GetServerInformation
}

e2e_stop_notification_daemon() {
  e2e_end_group "$E2E_DAEMON_PID"
  e2e_wait_for "the daemon to leave the bus" e2e_fails gdbus call --session --dest org.freedesktop.DBus \
    --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.GetNameOwner org.freedesktop.Notifications
}

e2e_fails() { ! "$@"; }

e2e_press_notification_button() { printf '%s' "$1" >"$E2E_TMP/menu-choice" && dunstctl context; }

# The world of a test: a display, a session bus, the notification daemon unless told
# "no-notifications", and a real panel with a tray, so the status item has somewhere to live:
# trayer, the X11 system tray, unless told "xfce4-panel", "swaybar", "waybar" (sway.sh) or
# "no-tray". The display is a private X display (Xvfb picks a free number and tells it once it
# accepts connections; it does not reset whenever its last client leaves, which would refuse the
# clients connecting meanwhile), or headless sway when told "sway-enable" or "sway-disable", with
# or without XWayland (sway.sh). Told "silent-bus", adds a bus that never answers
# (e2e_start_silent_bus); told "nimbrel", starts Nimbrel in it last.
e2e_start_desktop() {
  if [[ " $* " =~ \ sway-(enable|disable)\  ]]; then
    e2e_start_sway "${BASH_REMATCH[1]}"
  else
    e2e_spawn xvfb Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$E2E_TMP/display"
    e2e_wait_for "Xvfb" grep -q . "$E2E_TMP/display"
    export DISPLAY=":$(cat "$E2E_TMP/display")"
  fi
  e2e_start_session_bus
  e2e_start_notification_monitor
  [[ " $* " == *" no-notifications "* ]] || e2e_start_notification_daemon
  case " $* " in
    *" no-tray "*) ;;
    *" xfce4-panel "*) e2e_start_xfce_panel ;;
    *" swaybar "*) e2e_start_swaybar ;;
    *" waybar "*) e2e_start_waybar ;;
    *) e2e_spawn trayer trayer --edge top --align right --widthtype pixel --width 200 --height 32 \
      --transparent false --SetDockType true --expand false
      e2e_wait_for "the tray host" xdotool search --class trayer ;;
  esac
  [[ " $* " != *" silent-bus "* ]] || e2e_start_silent_bus
  [[ " $* " != *" nimbrel "* ]] || e2e_start_nimbrel
}

# A property of the StatusNotifierWatcher, the tray of a panel, as gdbus prints it.
e2e_watcher() {
  gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1"
}

# The first StatusNotifierItem registered with the panel, a call to its exported menu
# (com.canonical.dbusmenu), and the menu as the panel reads it: "title:enabled" for each entry, "-"
# for a separator.
e2e_menu_item() { e2e_watcher RegisteredStatusNotifierItems | grep -o ':[0-9.]*' | head -n 1; }
e2e_menu_call() {
  gdbus call --session --dest "$(e2e_menu_item)" --object-path /MenuBar --method "com.canonical.dbusmenu.$1" "${@:2}"
}
e2e_menu_layout() {
  e2e_menu_call GetLayout 0 1 '[]' | python3 -c 'import re, sys
entries = re.findall(r"\((\d+), \{([^{}]*)\}, @av \[\]\)", sys.stdin.read())
print(*["-" if "separator" in props else re.search(r"label.: <.([^\x27]*)", props)[1] + ":" +
        ("false" if "<false>" in props else "true") for _, props in entries])'
}

# xfce4-panel as xfce4-panel.xml sets it up, on the display and bus of the test: its tray is a
# StatusNotifierWatcher and draws the items' menus.
e2e_start_xfce_panel() {
  install -D -m 644 "$E2E_DIR/xfce4-panel.xml" "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"
  e2e_spawn xfconfd /usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd
  e2e_spawn panel xfce4-panel --disable-wm-check
  e2e_wait_for "xfce4-panel's tray" e2e_watcher IsStatusNotifierHostRegistered
}

# Makes e2e_start_nimbrel run Nimbrel as this user (not root, whom permissions do not bind), with
# a runtime and cache folder of its own and a copy of the binary it can run wherever the build is.
# The other programs of the test stay root's; the test's folder lets the user through.
E2E_NIMBREL_AS=()
e2e_nimbrel_as() {
  local home="$E2E_TMP/as-$1"
  chmod 711 "$E2E_TMP"
  install -d -m 755 "$home"
  install -d -o "$1" -g "$(id -g "$1")" -m 700 "$home/runtime" "$home/cache"
  install -m 755 "${NIMBREL_BINARY:?the path of the nimbrel binary}" "$home/nimbrel"
  NIMBREL_BINARY="$home/nimbrel"
  E2E_NIMBREL_AS=(setpriv --reuid="$1" --regid="$(id -g "$1")" --clear-groups
    env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_CACHE_HOME="$home/cache")
}

# Starts the program under test; without "no-bus", waits until its event loop answers on the bus.
# It gets the signal dispositions a desktop session gives it, the default ones, which a background
# job of a script would not have (bash makes it ignore SIGINT); E2E_NIMBREL_SIGNALS, an option of
# env, sets others.
e2e_start_nimbrel() {
  # Qt and fontconfig keep caches alive until exit, which LeakSanitizer would report; the soak
  # checks our leaks with E2E_DETECT_LEAKS=1.
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=${E2E_DETECT_LEAKS:-0}:exitcode=23" \
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb} e2e_spawn nimbrel env "${E2E_NIMBREL_SIGNALS:---default-signal=HUP,INT,TERM}" \
    "${E2E_NIMBREL_AS[@]}" \
    "${NIMBREL_BINARY:?the path of the nimbrel binary}"
  E2E_NIMBREL_PID=$E2E_SPAWNED
  [[ "${1:-}" == no-bus ]] || e2e_wait_for "Nimbrel on the session bus" e2e_call TextActionTitles
}

# A second Nimbrel on the same desktop, with a session bus and a record of its announcements of
# its own: E2E_SECOND_PID, and E2E_SECOND_LOG for NOTIFICATIONS_LOG.
# Its folder, bus and record stand in for the first one's only while this runs: the functions it
# calls see its locals.
e2e_start_second_nimbrel() {
  local E2E_TMP=$E2E_TMP/second
  local DBUS_SESSION_BUS_ADDRESS E2E_NIMBREL_PID NOTIFICATIONS_LOG=$E2E_TMP/notifications.log
  mkdir "$E2E_TMP" && e2e_start_session_bus && e2e_start_notification_monitor && e2e_start_nimbrel
  E2E_SECOND_PID=$E2E_NIMBREL_PID E2E_SECOND_LOG=$NOTIFICATIONS_LOG
}
# Both Nimbrels announced this body last.
e2e_both_last_bodies_are() { [[ "$(e2e_last_notify_body)" == "$1" && "$(NOTIFICATIONS_LOG=$E2E_SECOND_LOG e2e_last_notify_body)" == "$1" ]]; }

# Two keepers: a second Nimbrel beside the first, which announces nothing before. Twice an owner
# copies and quits: one of them takes the copy over, and neither announces it again; the next copy
# is announced by each. $1 TEXT makes an owner (E2E_SPAWNED) copy TEXT; $2 TEXT holds once the
# clipboard holds TEXT; $3, if given, runs after each round.
e2e_two_keepers() {
  local round before
  before=$(e2e_notify_calls | wc -l)
  e2e_start_second_nimbrel
  for round in 1 2; do
    "$1" "kept by two $round"
    e2e_wait_for "both to announce round $round" e2e_both_last_bodies_are "kept by two $round"
    e2e_end_group "$E2E_SPAWNED"
    e2e_wait_for "round $round kept by one of two" "$2" "kept by two $round"
    "$1" "after round $round"
    e2e_wait_for "both to announce the copy after round $round" e2e_both_last_bodies_are "after round $round"
    [[ -z ${3:-} ]] || "$3" "round $round"
  done
  e2e_expect_eq "two keepers: each copy announced by each, once" "$(printf 'kept by two %s|after round %s|' 1 1 2 2 1 1 2 2)" \
    "$(e2e_bodies_since "$before")|$(NOTIFICATIONS_LOG=$E2E_SECOND_LOG e2e_bodies_since 0)|"
  e2e_end_group "$E2E_SECOND_PID"
}

e2e_nimbrel_running() { e2e_ours "$E2E_NIMBREL_PID"; }

# Nimbrel has ended, or ends now, with exit status 0 (no sanitizer report, such as LeakSanitizer's
# 23, no death by signal), its last bubble withdrawn (the daemon keeps bubbles until they are
# closed). $1 names what ended it.
e2e_ended_cleanly() {
  local status=0
  e2e_wait_for "$1 to end Nimbrel" e2e_fails e2e_nimbrel_running
  wait "$E2E_NIMBREL_PID" || status=$?
  e2e_expect_eq "$1: exit status" 0 "$status"
  e2e_wait_for "$1: no bubble left on screen" e2e_displayed_count_is 0
}

e2e_stop_nimbrel() { e2e_end_group "$E2E_NIMBREL_PID" && wait "$E2E_NIMBREL_PID" 2>/dev/null || true; }

# Calls a method of Nimbrel's bus interface and prints gdbus' answer, e.g. "(true,)".
e2e_call() {
  gdbus call --session --timeout "$E2E_DEADLINE" --dest "$NIMBREL_BUS_NAME" \
    --object-path "$NIMBREL_OBJECT_PATH" --method "org.nimbrel.Nimbrel.$1" "${@:2}"
}

# Makes tests/peer/clipboard_owner own the clipboard with these arguments (TARGET=VALUE..., see
# its options) and waits until it does. Its events are in $E2E_OFFER_LOG.
e2e_offer() {
  E2E_OFFERS=$((E2E_OFFERS + 1))
  e2e_spawn "offer$E2E_OFFERS" "${CLIPBOARD_OWNER:?the path of tests/peer/clipboard_owner}" "$@"
  E2E_OFFER_LOG="$E2E_TMP/offer$E2E_OFFERS.log"
  e2e_wait_for "the clipboard owner to take the clipboard" e2e_offer_said owner
}

e2e_offer_said() { grep -qx -- "$1" "$E2E_OFFER_LOG"; }
# Runs the clipboard owner as NAME, logging to $E2E_TMP/NAME.log, with these options (OPTION...),
# and waits until it says LINE: e2e_owner_until NAME LINE OPTION...
e2e_owner_until() { e2e_spawn "$1" "$CLIPBOARD_OWNER" "${@:3}" && e2e_wait_for "$1 to say [$2]" grep -qx -- "$2" "$E2E_TMP/$1.log"; }
# Copies this text as programs do: through the clipboard owner on X11, with wl-copy on sway.
e2e_copy() { if [[ -n ${WAYLAND_DISPLAY:-} ]]; then wl-copy "$1"; else e2e_offer "UTF8_STRING=$1"; fi; }
# Someone (Nimbrel, in a test that reads nothing itself) has read data of the latest offer.
e2e_offer_read() { grep '^served ' "$E2E_OFFER_LOG" | grep -qvx 'served TARGETS'; }

# What a program gets when it pastes TARGET (the text when none is given; TARGETS lists the
# types), through X11 or, on sway, as Wayland programs paste; fails when nobody serves it.
e2e_paste() {
  local paste=(xclip -o -selection clipboard -t "${1:-UTF8_STRING}")
  [[ -z ${WAYLAND_DISPLAY:-} ]] || paste=(wl-paste -n ${1:+-t "$1"})
  [[ -z ${WAYLAND_DISPLAY:-} || ${1:-} != TARGETS ]] || paste=(wl-paste -l)
  timeout "$E2E_DEADLINE" "${paste[@]}" 2>/dev/null
}
# The text a paste gets is these words, joined by spaces (given none, a paste gets nothing).
e2e_paste_is() { [[ "$(e2e_paste)" == "$*" ]]; }
# Every type a paste is offered, in the order offered, with its bytes in base64 ("TYPE BASE64"),
# but the pseudo-targets TARGETS, TIMESTAMP and MULTIPLE, which are named alone.
e2e_paste_every_type() {
  local type
  for type in $(e2e_paste TARGETS); do
    [[ $type =~ ^(TARGETS|TIMESTAMP|MULTIPLE)$ ]] && echo "$type" && continue
    printf '%s %s\n' "$type" "$(e2e_paste "$type" | base64 -w 0)"
  done
}

# Nimbrel has read what the clipboard holds now, or given up: a text action waits for that, and
# one of no such title changes nothing.
e2e_read_done() { e2e_call RunTextAction 'no such title' >/dev/null; }

# Every call to the notification service and every id it answered Notify with, in order, as
# NUL-separated records: "notify<TAB>summary<TAB>body" (the body as sent, newlines included),
# "id<TAB>N" and "close<TAB>N". Of the service's answers only Notify's hold a bare number.
e2e_notification_records() {
  awk '
    /member=Notify$/ { state = "notify"; strings = 0; next }
    /member=CloseNotification$/ { state = "close"; next }
    /^method return/ { state = "id"; next }
    /^(method|signal|error)/ { state = ""; next }
    state == "notify" && /^   string "/ && ++strings == 3 { summary = substr($0, 12); sub(/"$/, "", summary) }
    state == "notify" && strings == 4 && /^   string "/ { body = substr($0, 12); state = "body"; next }
    state == "body" && /^   array \[/ { sub(/"$/, "", body); printf "notify\t%s\t%s%c", summary, body, 0; state = "" }
    state == "body" { body = body "\n" $0 }
    (state == "close" || state == "id") && /^   uint32 / { printf "%s\t%s%c", state, $2, 0; state = "" }
  ' "$NOTIFICATIONS_LOG"
}

# Notify calls so far, one line each: summary, a tab, the body.
e2e_notify_calls() { e2e_notification_records | tr '\0' '\n' | sed -n 's/^notify\t//p'; }
e2e_notify_count() { e2e_notification_records | grep -zc '^notify' || true; }
# The bodies announced after the first $1 lines of e2e_notify_calls, between "|".
e2e_bodies_since() { e2e_notify_calls | cut -f 2- | tail -n +$(($1 + 1)) | paste -sd '|'; }
e2e_notify_count_at_least() { (($(e2e_notify_count) >= $1)); }
e2e_last_notify_body() { e2e_notification_records | grep -z '^notify' | tail -zn 1 | cut -zf 3- | tr -d '\0'; }
e2e_last_notify_body_is() { [[ "$(e2e_last_notify_body)" == "$*" ]]; }
e2e_displayed_count_is() { [[ "$(dunstctl count displayed)" -eq $1 ]]; }

# Runs a command that copies (e2e_offer, e2e_copy and their arguments) and waits until Nimbrel has
# announced the copy (or, with no daemon, tried to), so the next step acts on it;
# e2e_copy_and_wait copies a text, and given "shown" waits until the daemon shows the announcement too.
e2e_announced_after() {
  local before
  before=$(e2e_notify_count)
  "$@"
  e2e_wait_for "an announcement after [$*]" e2e_notify_count_at_least $((before + 1))
}
e2e_offer_and_wait() { e2e_announced_after e2e_offer "$@"; }
e2e_copy_and_wait() {
  e2e_announced_after e2e_copy "$1"
  e2e_wait_for "the announcement of [$1]" e2e_last_notify_body_is "$1"
  [[ ${2:-} != shown ]] || e2e_wait_for "the announcement of [$1] on screen" e2e_displayed_count_is 1
}

e2e_preference_is() { grep -q "\"$1\": *$2\b" "$NIMBREL_PREFERENCES"; }

# The status icon's window, once the tray host has embedded it.
e2e_status_icon() {
  local tray tree id
  tray=$(xdotool search --onlyvisible --class trayer | head -n 1) && tree=$(xwininfo -tree -id "$tray") || return 1
  for id in $(xdotool search --onlyvisible --classname nimbrel); do
    grep -qi "^ *$(printf '0x%x' "$id") " <<<"$tree" && echo "$id" && return 0
  done
  return 1
}

# A menu of Nimbrel's is on screen: apart from the status icon, menus are the only
# override-redirect windows it shows.
e2e_menu_shown() {
  local icon id
  icon=$(e2e_status_icon) || return 1
  for id in $(xdotool search --onlyvisible --classname nimbrel); do
    [[ "$id" != "$icon" ]] && xwininfo -all -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
  done
  return 1
}

# Opens the status icon's menu with a click, as a user would.
e2e_open_tray_menu() {
  e2e_wait_for "the status icon in the tray" e2e_status_icon
  # A click while an earlier menu is still on screen would only close that one.
  e2e_wait_for "no menu on screen" e2e_fails e2e_menu_shown
  xdotool mousemove --window "$(e2e_status_icon)" 5 5 click 1
  e2e_wait_for "the tray menu" e2e_menu_shown
}
# Quits Nimbrel with its menu's last entry, as a user does.
e2e_quit_from_menu() { e2e_open_tray_menu && xdotool key Up Return; }

# A window with this exact title is on screen (mapped and viewable).
e2e_window_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Presses keys in a window, which gets the keyboard focus first.
e2e_type_into() {
  local window
  window=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  xdotool windowfocus --sync "$window" key --window "$window" "${@:2}"
}
