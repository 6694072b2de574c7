# shellcheck shell=bash
# Helpers shared by the end-to-end tests and scripts/screenshots.sh.
#
# A test gets a private world: its own X display (Xvfb), session bus, notification daemon,
# tray host and configuration directory, so tests never share clipboard, bus names or
# preferences and may run side by side. Every process is started in its own process group
# and the whole group is ended at exit, whatever way the test ends. Waiting is always a
# poll against a deadline, never a fixed sleep.
set -euo pipefail

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/nimbrel-e2e.XXXXXX")
E2E_GROUPS=()
E2E_NIMBREL_PID=""
# Seconds to wait for anything to happen; generous because the tests run the sanitizer build.
E2E_DEADLINE=${E2E_DEADLINE:-10}

NIMBREL_BUS_NAME=org.nimbrel.Nimbrel
NIMBREL_OBJECT_PATH=/org/nimbrel/Nimbrel

export XDG_CONFIG_HOME="$E2E_TMP/config"
export XDG_CACHE_HOME="$E2E_TMP/cache"
export XDG_DATA_HOME="$E2E_TMP/data"
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
NIMBREL_PREFERENCES="$XDG_CONFIG_HOME/nimbrel/preferences.json"
NOTIFICATIONS_LOG="$E2E_TMP/notifications.log"

e2e_log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*" >&2; }

e2e_fail() {
  e2e_log "FAIL: $*"
  e2e_dump_logs
  exit 1
}

e2e_dump_logs() {
  local file
  for file in "$E2E_TMP"/*.log; do
    [[ -s "$file" ]] || continue
    echo "----- ${file##*/} (last 40 lines) -----" >&2
    tail -n 40 "$file" >&2
  done
}

# Ends one process group: politely first, then for good.
e2e_end_group() {
  local pid=$1 i
  kill -TERM -- "-$pid" 2>/dev/null || return 0
  for ((i = 0; i < 30; i++)); do
    kill -0 -- "-$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL -- "-$pid" 2>/dev/null || true
}

e2e_cleanup() {
  local status=$? i
  trap - EXIT INT TERM
  for ((i = ${#E2E_GROUPS[@]} - 1; i >= 0; i--)); do
    e2e_end_group "${E2E_GROUPS[i]}"
  done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
  exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts a command in a process group of its own, logging to $E2E_TMP/<name>.log;
# sets E2E_SPAWNED to its pid.
e2e_spawn() {
  local name=$1
  shift
  setsid "$@" >"$E2E_TMP/$name.log" 2>&1 </dev/null &
  E2E_SPAWNED=$!
  E2E_GROUPS+=("$E2E_SPAWNED")
}

# Polls a command until it succeeds or the deadline passes.
e2e_wait_for() {
  local description=$1
  shift
  local deadline=$((SECONDS + E2E_DEADLINE))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      e2e_fail "timed out after ${E2E_DEADLINE}s waiting for $description"
    fi
    sleep 0.05
  done
}

# A private X display. Display numbers are tried until a server starts, so tests running
# side by side never share one.
e2e_start_display() {
  local display attempt
  for ((attempt = 0; attempt < 20; attempt++)); do
    display=$((100 + (RANDOM % 800)))
    [[ -e "/tmp/.X$display-lock" || -e "/tmp/.X11-unix/X$display" ]] && continue
    e2e_spawn xvfb Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp
    local deadline=$((SECONDS + E2E_DEADLINE))
    while kill -0 "$E2E_SPAWNED" 2>/dev/null && ((SECONDS < deadline)); do
      if xdpyinfo -display ":$display" >/dev/null 2>&1; then
        export DISPLAY=":$display"
        return 0
      fi
      sleep 0.05
    done
    e2e_end_group "$E2E_SPAWNED"
  done
  e2e_fail "could not start Xvfb"
}

# A private session bus; its address is exported for everything started afterwards. It
# starts no services on demand, so only the daemons a test starts itself are on it.
e2e_start_session_bus() {
  local socket="$E2E_TMP/bus"
  cat >"$E2E_TMP/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
  e2e_spawn dbus dbus-daemon --config-file="$E2E_TMP/bus.conf" --nofork --nopidfile
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$socket"
  e2e_wait_for "the session bus" dbus-send --session --print-reply --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.ListNames
}

# Records every call to the notification service: Notify with its arguments, the ids the
# server answers with, CloseNotification. Read back with e2e_notification_events and friends.
e2e_start_notification_monitor() {
  e2e_spawn notifications dbus-monitor --session \
    "type='method_call',interface='org.freedesktop.Notifications'" \
    "type='method_return'" "type='signal',interface='org.freedesktop.Notifications'"
  # dbus-monitor prints its own NameAcquired/NameLost bookkeeping once it is listening.
  e2e_wait_for "the bus monitor" grep -q 'NameLost\|NameAcquired' "$NOTIFICATIONS_LOG"
}

# A real notification daemon with a configuration of our own (no user config is read). Its
# context menu, which lists a notification's buttons, goes to a stand-in for dmenu that picks
# the entry e2e_press_notification_button asks for.
e2e_start_notification_daemon() {
  cat >"$E2E_TMP/pick-menu-entry" <<EOF
#!/bin/sh
grep -m 1 -F "#\$(cat "$E2E_TMP/menu-choice")"
EOF
  chmod +x "$E2E_TMP/pick-menu-entry"
  cat >"$E2E_TMP/dunstrc" <<EOF
[global]
    width = 300
    origin = top-right
    offset = 160x40
    follow = none
    show_indicators = false
    markup = full
    format = "%s\n%b"
    history_length = 50
    idle_threshold = 0
    mouse_left_click = do_action, close_current
    mouse_right_click = close_all
    dmenu = $E2E_TMP/pick-menu-entry
[urgency_normal]
    timeout = 0
EOF
  e2e_spawn dunst dunst -config "$E2E_TMP/dunstrc"
  e2e_wait_for "the notification daemon" gdbus call --session --dest org.freedesktop.Notifications \
    --object-path /org/freedesktop/Notifications --method org.freedesktop.Notifications.GetServerInformation
}

# Presses a button of the notification on screen through the daemon's context menu.
e2e_press_notification_button() {
  printf '%s' "$1" >"$E2E_TMP/menu-choice"
  dunstctl context
}

# A real system tray host, so the status item has somewhere to live.
e2e_start_tray() {
  e2e_spawn trayer trayer --edge top --align right --widthtype pixel --width 200 --height 32 \
    --transparent false --SetDockType true --expand false
  e2e_wait_for "the tray host" xdotool search --class trayer
}

# Everything a test needs before Nimbrel starts. Pass "no-notifications" to leave the
# notification daemon out.
e2e_start_desktop() {
  e2e_start_display
  e2e_start_session_bus
  e2e_start_notification_monitor
  if [[ "${1:-}" != "no-notifications" ]]; then
    e2e_start_notification_daemon
  fi
  e2e_start_tray
}

e2e_nimbrel_answers() {
  gdbus call --session --timeout 2 --dest "$NIMBREL_BUS_NAME" --object-path "$NIMBREL_OBJECT_PATH" \
    --method org.nimbrel.Nimbrel.TextActionTitles
}

# Starts the program under test and waits until its event loop answers on the bus.
e2e_start_nimbrel() {
  : "${NIMBREL_BINARY:?the path of the nimbrel binary must be given}"
  # Qt and fontconfig keep caches alive until exit, which LeakSanitizer reports as leaks
  # that are not ours; leaks of our own code are caught by the unit tests.
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb} \
    e2e_spawn nimbrel "$NIMBREL_BINARY"
  E2E_NIMBREL_PID=$E2E_SPAWNED
  e2e_wait_for "Nimbrel on the session bus" e2e_nimbrel_answers
}

e2e_nimbrel_running() { kill -0 "$E2E_NIMBREL_PID" 2>/dev/null; }
e2e_nimbrel_gone() { ! e2e_nimbrel_running; }

# Ends Nimbrel and waits until it is gone, so a restart starts afresh.
e2e_stop_nimbrel() {
  e2e_end_group "$E2E_NIMBREL_PID"
  wait "$E2E_NIMBREL_PID" 2>/dev/null || true
}

# Calls a method of Nimbrel's bus interface and prints gdbus' answer, e.g. "(true,)".
e2e_call() {
  local method=$1
  shift
  gdbus call --session --timeout 5 --dest "$NIMBREL_BUS_NAME" --object-path "$NIMBREL_OBJECT_PATH" \
    --method "org.nimbrel.Nimbrel.$method" "$@"
}

# Puts data on the clipboard as a real X11 owner would: xclip keeps serving it until
# another program takes the clipboard. Usage: e2e_copy TEXT [TARGET]
e2e_copy() {
  printf '%s' "$1" >"$E2E_TMP/copy.data"
  e2e_copy_file "$E2E_TMP/copy.data" "${2:-UTF8_STRING}"
}

# Usage: e2e_copy_file FILE TARGET
e2e_copy_file() {
  e2e_spawn xclip xclip -quiet -selection clipboard -t "$2" -i "$1"
  e2e_wait_for "xclip to own the clipboard" e2e_clipboard_offers "$2"
}

# Offers several targets at once: e2e_offer TARGET=VALUE...
e2e_offer() {
  : "${CLIPBOARD_PEER:?the path of clipboard_peer must be given}"
  e2e_spawn clipboard_peer "$CLIPBOARD_PEER" "$@"
  e2e_wait_for "clipboard_peer to own the clipboard" grep -qx owner "$E2E_TMP/clipboard_peer.log"
}

e2e_clipboard_offers() {
  e2e_clipboard_targets | grep -qxF "$1"
}

e2e_clipboard_targets() {
  timeout 5 xclip -o -selection clipboard -t TARGETS 2>/dev/null
}

e2e_clipboard_lacks() {
  local targets
  targets=$(e2e_clipboard_targets) || return 1
  ! grep -qxF "$1" <<<"$targets"
}

# Nobody offers anything, or what is offered holds no text.
e2e_clipboard_empty() {
  local text
  text=$(e2e_clipboard_text) || return 0
  [[ -z "$text" ]]
}

# The clipboard's text; fails when nobody offers text.
e2e_clipboard_text() {
  timeout 5 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null
}

# The calls made to the notification service so far, in order, one line each:
# "notify<TAB>summary<TAB>body" or "close<TAB>id" (strings as dbus-monitor quotes them;
# the texts used here hold no newlines or quotes).
e2e_notification_events() {
  awk '
    /member=Notify$/ { in_notify = 1; strings = 0; summary = ""; next }
    /member=CloseNotification$/ { closing = 1; next }
    /^(method|signal|error)/ { in_notify = 0; closing = 0; next }
    closing && /^   uint32 / { print "close\t" $2; closing = 0 }
    in_notify && /^   string "/ {
      strings++
      value = $0
      sub(/^   string "/, "", value)
      sub(/"$/, "", value)
      if (strings == 3) summary = value
      if (strings == 4) { print "notify\t" summary "\t" value; in_notify = 0 }
    }
  ' "$NOTIFICATIONS_LOG"
}

# Notify calls seen so far, one line each: summary, a tab, the body.
e2e_notify_calls() {
  e2e_notification_events | sed -n 's/^notify\t//p'
}

e2e_notify_count() { e2e_notify_calls | wc -l; }

# The ids the server answered Notify calls with, in order. A reply is matched to its call by
# the caller's unique name and the call's serial.
e2e_notification_ids() {
  awk '
    function field(name) {
      if (!match($0, name "=[^ ;]+")) return ""
      return substr($0, RSTART + length(name) + 1, RLENGTH - length(name) - 1)
    }
    /member=Notify$/ { calls[field("sender") "/" field("serial")] = 1; next }
    /^method return/ { expecting = ((field("destination") "/" field("reply_serial")) in calls); next }
    expecting && /^   uint32 / { print $2; expecting = 0 }
    /^(method|signal|error)/ { expecting = 0 }
  ' "$NOTIFICATIONS_LOG"
}

e2e_has_notification_ids() { [[ -n "$(e2e_notification_ids)" ]]; }
e2e_displayed_count_is() { [[ "$(dunstctl count displayed)" -eq $1 ]]; }
e2e_notify_count_at_least() { [[ $(e2e_notify_count) -ge $1 ]]; }

# Waits until the n-th Notify call has been made and prints its "summary<TAB>body".
e2e_wait_for_notify() {
  local n=$1
  e2e_wait_for "notification number $n" e2e_notify_count_at_least "$n"
  e2e_notify_calls | sed -n "${n}p"
}

e2e_clipboard_text_is() { [[ "$(e2e_clipboard_text)" == "$1" ]]; }

e2e_last_notify_body_is() { [[ "$(e2e_notify_calls | tail -n 1 | cut -f 2-)" == "$1" ]]; }

# Waits until the latest announcement made is the given body.
e2e_wait_for_announcement() {
  e2e_wait_for "the announcement of [$1]" e2e_last_notify_body_is "$1"
}

# Copies text and waits until Nimbrel has announced it, so the next step acts on it.
e2e_copy_and_wait() {
  local before
  before=$(e2e_notify_count)
  e2e_copy "$1"
  e2e_wait_for "the announcement of [$1]" e2e_notify_count_at_least $((before + 1))
  e2e_wait_for_announcement "$1"
}

# The preferences file holds both announcement switches.
e2e_preferences_have_both_keys() {
  grep -q '"notifyText"' "$NIMBREL_PREFERENCES" && grep -q '"notifyFilesAndDirectories"' "$NIMBREL_PREFERENCES"
}

# A number stored in the preferences file (true and false count as 1 and 0).
e2e_preference() {
  sed -n "s/.*\"$1\" *: *\([-0-9.a-z]*\).*/\1/p" "$NIMBREL_PREFERENCES" | sed 's/^true$/1/; s/^false$/0/'
}

e2e_preference_is() { [[ "$(e2e_preference "$1")" == "$2" ]]; }

# The status icon's window, once the tray host has embedded it.
e2e_status_icon() {
  local tray tree id
  tray=$(xdotool search --onlyvisible --class trayer | head -n 1)
  [[ -n "$tray" ]] || return 1
  tree=$(xwininfo -tree -id "$tray")
  for id in $(xdotool search --onlyvisible --classname nimbrel 2>/dev/null); do
    if grep -qi "^ *$(printf '0x%x' "$id") " <<<"$tree"; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# A menu of Nimbrel's is on screen: apart from the status icon, menus are the only
# override-redirect windows it shows.
e2e_menu_shown() {
  local icon id
  icon=$(e2e_status_icon) || return 1
  for id in $(xdotool search --onlyvisible --classname nimbrel 2>/dev/null); do
    [[ "$id" != "$icon" ]] || continue
    if xwininfo -all -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
      return 0
    fi
  done
  return 1
}

e2e_menu_hidden() { ! e2e_menu_shown; }

# Opens the status icon's menu with a click, as a user would.
e2e_open_tray_menu() {
  local icon
  e2e_wait_for "the status icon in the tray" e2e_status_icon
  # A click while an earlier menu is still closing would only close that one.
  e2e_wait_for "no menu on screen" e2e_menu_hidden
  icon=$(e2e_status_icon)
  xdotool mousemove --window "$icon" 5 5 click 1
  e2e_wait_for "the tray menu" e2e_menu_shown
}

# A window with this exact title that is mapped and viewable.
e2e_window_shown() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
      return 0
    fi
  done
  return 1
}

e2e_expect_eq() {
  local what=$1 expected=$2 actual=$3
  if [[ "$expected" != "$actual" ]]; then
    e2e_fail "$what: expected [$expected], got [$actual]"
  fi
  e2e_log "ok: $what"
}
