#!/usr/bin/env bash
# What users do with Nimbrel, one row a case: the command line (help and errors without a display
# or bus, or on a bus that never answers; every text action, the other client verbs and each exit
# status against a running Nimbrel, whose bus they go through; titles too long for any action; the
# bash completion), a rewritten secret's expiry, the windows it opens and Escape closes, the
# notification's click and button, the tray menu's entries, a second start, and the ways Nimbrel
# ends: Quit and the signals, each with exit status 0 and its bubble withdrawn, and the hand-over of
# its contents to a clipboard manager.
source "$(dirname "$0")/lib.sh"
export ASAN_OPTIONS=detect_leaks=0
titles=$'Capitalize\nLowercase\nUppercase\nSnakecase\nRemove rich text formatting\nRemove multiple whitespace\nRemove all whitespace'

# run [offline|unset-bus|user-bus|silent-bus|bus] ARGUMENTS...: runs nimbrel, after "offline"
# without a display or a bus, after "unset-bus" on the display without a bus address (and with a
# home of its own, where a bus that libdbus launched would leave its address), after "user-bus"
# without an address but with the bus as $XDG_RUNTIME_DIR/bus, after "silent-bus" on a bus that
# never answers (given 20 s: loose, but far below what a hang would take); after "bus", calls
# Nimbrel's bus interface with dbus-send's method and arguments instead, as any program may. Sets
# $status and $output (stdout and stderr together).
run() {
  local limit=60 how=() command=("$NIMBREL_BINARY")
  case ${1:-} in
    offline) how=(-u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS) ;;
    unset-bus) how=(-u DBUS_SESSION_BUS_ADDRESS HOME="$E2E_TMP/home") ;;
    user-bus) how=(-u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$E2E_TMP/user") ;;
    silent-bus) how=(DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/silent/bus") limit=20 ;;
    bus) how=(--) command=(dbus-send --session --print-reply --reply-timeout=$((E2E_DEADLINE * 1000))
      --dest="$NIMBREL_BUS_NAME" "$NIMBREL_OBJECT_PATH") ;;
  esac
  ((${#how[@]} == 0)) || shift
  status=0
  output=$(timeout "$limit" env "${how[@]}" "${command[@]}" "$@" 2>&1) || status=$?
}
mkdir -p "$E2E_TMP/home" "$E2E_TMP/user" && ln -s "$E2E_TMP/bus" "$E2E_TMP/user/bus"

# check ROW-NAME STATUS TEXT: the last run exited with STATUS and printed TEXT among its output.
check() {
  e2e_expect_eq "$1: exit status" "$2" "$status"
  [[ $output == *"$3"* ]] || e2e_fail "$1: [$3] not in the output [$output]"
}

# The clipboard holds this text and no HTML.
clipboard_is() { ! e2e_paste TARGETS | grep -qx text/html && e2e_paste_is "$1"; }
# The window is on screen, shows the application icon, and Escape closes it.
escape_closes() {
  e2e_wait_for "the window $1" e2e_window_shown "$1"
  window=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  [[ $(xprop -id "$window" _NET_WM_ICON) == *Icon* ]] || e2e_fail "$1 shows no icon"
  xdotool windowfocus --sync "$window" key Escape
  e2e_wait_for "Escape to close $1" e2e_fails e2e_window_shown "$1"
}

e2e_start_desktop silent-bus
run --action Uppercase
check "--action with nobody running" 2 "Nimbrel is not running"

e2e_start_nimbrel

# What the clipboard holds first (clipboard_owner's arguments separated by ";"; "-": what the row
# before left; each action waits until Nimbrel has read it) | arguments separated by ";" (see
# run) | exit status | printed text | the clipboard's text afterwards | the window that opens,
# shows the application icon and closes on Escape. A tray program started offline by mistake
# would fail with status 1.
hello='UTF8_STRING=hello   wORLD'
client_rows=(
  "-|offline;--help|0|--action <title>|"
  "-|offline;--version|0|Nimbrel |"
  "-|offline;--bogus|2|Unknown option 'bogus'|"
  "-|offline;stray|2|Unexpected argument 'stray'|"
  "-|offline;--clear;--settings|2|Give one of|"
  "-|offline;--list-actions|2|no session bus|"
  "-|offline|1|cannot open the X11 display|"
  "-|unset-bus;--action;Uppercase|2|no session bus|"
  "-|silent-bus;--action;Uppercase|2|did not answer within|"
  # Each title reaches its action (tests/textactions/recorded_offers_test.cpp); here, both forms.
  "$hello|--action;Capitalize|0||Hello   World"
  "$hello|--action;Remove rich text formatting|1||hello   wORLD"
  "text/html=<i>rich</i> words;UTF8_STRING=rich words|--action;Remove rich text formatting|0||rich words"
  "$hello|--action;capitalize|1|no text action is titled \"capitalize\"; the titles are:"$'\n'"$titles|hello   wORLD"
  "-|--list-actions|0|$titles|hello   wORLD"
  "-|user-bus;--list-actions|0|$titles|hello   wORLD"
  "-|--settings|0||hello   wORLD|Nimbrel Settings"
  "-|--options|0||hello   wORLD|Paste Item Options"
  "-|--clear|0||"
  # Calls the interface refuses before they reach the program: titles longer than any action's
  # (one longer than the bus connection holds leaves it answering on), arguments of the wrong
  # type, unknown methods.
  "-|bus;org.nimbrel.Nimbrel.RunTextAction;string:$(printf '%064d' 0)|0|boolean false|"
  "-|bus;org.nimbrel.Nimbrel.RunTextAction;string:$(printf '%065d' 0)|1|Error org.freedesktop.DBus.Error.InvalidArgs|"
  "-|bus;org.nimbrel.Nimbrel.RunTextAction;string:$(printf '%0100000d' 0)|1|Error org.freedesktop.DBus.Error.InvalidArgs|"
  "-|bus;org.nimbrel.Nimbrel.RunTextAction;int32:5|1|Error org.freedesktop.DBus.Error.InvalidArgs|"
  "-|bus;org.nimbrel.Nimbrel.Bogus|1|Error org.freedesktop.DBus.Error.UnknownMethod|"
  "-|--action;Uppercase|1|nothing to rewrite: the clipboard holds no text this action applies to|"
  "-|--options|1|no window opened: the clipboard holds no text|"
  # Beside a keeper that puts its last entry back, --clear says so rather than report an empty
  # clipboard, and names the keeper by its window, or where that names none (Klipper's) by its process.
  "--put-back;UTF8_STRING=put back|--clear|1|nimbrel: the clipboard was emptied, but another program (clipboard_owner) put the clipboard's contents back|put back"
  "--put-back;--anonymous;UTF8_STRING=put back|--clear|1|nimbrel: the clipboard was emptied, but another program (clipboard_owner) put the clipboard's contents back|put back"
  # A result that would be empty leaves the clipboard as it was.
  "UTF8_STRING= "$'\t'" |--action;Snakecase|1|nothing to rewrite|"$' \t '
)
for row in "${client_rows[@]}"; do
  # Fields may hold newlines.
  IFS='|' read -rd '' offer arguments expected_status text clipboard window < <(printf '%s' "$row") || true
  IFS=';' read -ra args <<<"$offer"
  [[ $offer == - ]] || e2e_offer "${args[@]}"
  IFS=';' read -ra args <<<"$arguments"
  run "${args[@]}"
  name=$arguments
  ((${#name} <= 90)) || name="${name::60}… (${#name} bytes)"
  check "$name" "$expected_status" "$text"
  e2e_wait_for "the clipboard to hold [$clipboard] after $name" clipboard_is "$clipboard"
  [[ -z $window ]] || escape_closes "$window"
  [[ ! -e $E2E_TMP/home/.dbus ]] || e2e_fail "$name launched a session bus"
done

# The completion asks the running Nimbrel for the titles, through this stand-in for the
# installed command. Words separated by ";" | the one completion expected.
nimbrel() { "$NIMBREL_BINARY" "$@"; }
source "$(dirname "$0")/../../src/desktop/resources/nimbrel.bash-completion"
completion_rows=(
  'nimbrel;--li|--list-actions'
  'nimbrel;--action;Upp|Uppercase'
  'nimbrel;--action;Remove\ m|Remove\ multiple\ whitespace'
  'nimbrel;--action;"Remove a|Remove all whitespace'
  "nimbrel;--action;'Sn|Snakecase"
)
for row in "${completion_rows[@]}"; do
  IFS=';' read -ra COMP_WORDS <<<"${row%%|*}"
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _nimbrel
  e2e_expect_eq "completion of [${row%%|*}]" "${row#*|}" "${COMPREPLY[*]}"
done

e2e_offer_and_wait 'text/html=<b>bold</b> words' 'UTF8_STRING=bold words'
e2e_wait_for "the notification on screen" e2e_displayed_count_is 1
e2e_press_notification_button 'Clear formatting'
e2e_wait_for "the notification's Clear formatting to keep the plain text alone" clipboard_is 'bold words'

# A hotkey right after a copy whose owner answers late: the action waits for the copy and
# rewrites it, not what the clipboard held before.
e2e_offer --delay-ms 800 'UTF8_STRING=late but new'
e2e_expect_eq "an action right after a late owner's copy answers" "(true,)" "$(e2e_call RunTextAction Uppercase)"
e2e_wait_for "the late owner's copy uppercased" e2e_paste_is 'LATE BUT NEW'

# A password manager's secret that an action rewrote is cleared 10 s after the write, as the
# password manager clears its own copy; until then the rewrite is there to paste.
e2e_offer --replay "$(dirname "$0")/../data/offers/keepassxc-password.offer"
written=$(date +%s%3N)
e2e_expect_eq "Uppercase on a password manager's secret" "(true,)" "$(e2e_call RunTextAction Uppercase)"
e2e_expect_eq "the rewritten secret on the clipboard" 'KÖ1N-PASS#2024' "$(e2e_paste)"
e2e_wait_for "the rewritten secret cleared" e2e_fails e2e_paste
e2e_expect_eq "the rewritten secret cleared no sooner than 10 s after the write" 1 $(($(date +%s%3N) - written >= 10000))

e2e_copy_and_wait 'hello   wORLD' shown
e2e_window_shown 'Paste Item Options' && e2e_fail "the paste item options window was open before the click"
# The notification daemon's bubble is a real window: click it as a user would.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --classname dunst | head -n 1)")"
xdotool mousemove $((X + 20)) $((Y + 10)) click 1
e2e_wait_for "the paste item options window opened by a click on the notification" e2e_window_shown 'Paste Item Options'
e2e_type_into 'Paste Item Options' ctrl+Return
e2e_wait_for "Ctrl+Return to run Capitalize, the first action" e2e_paste_is 'Hello   World'

# With a clipboard manager running (the clipboard owner's manager mode, which saves as GNOME's,
# MATE's and Cinnamon's do), Nimbrel hands its own contents (here the rewrite) over when it ends,
# every type with the same bytes, so that they outlive it; Quit also withdraws its bubble. Never a
# secret (tests/textactions), never another program's contents (tests/platform/qt/qt_pasteboard_x11_test.cpp).
e2e_wait_for "the rewrite announced on screen" e2e_displayed_count_is 1
e2e_owner_until manager manager --manager
served=$(e2e_paste_every_type | grep ' ')
e2e_quit_from_menu
e2e_ended_cleanly "the menu's Quit with a clipboard manager"
e2e_expect_eq "the hand-over: every type Nimbrel served, byte for byte, served by the manager" "$served" \
  "$(e2e_paste_every_type | grep ' ')"

# Started as some launchers start it, with its standard descriptors closed, and SIGHUP ignored as
# nohup leaves it, Nimbrel still takes its name on the bus: a second start shows its settings
# window rather than starting beside it, and it goes on. The ignored signal stays ignored.
e2e_spawn closed env --ignore-signal=HUP bash -c 'exec "$0" <&- >&- 2>&-' "$NIMBREL_BINARY"
E2E_NIMBREL_PID=$E2E_SPAWNED
e2e_wait_for "Nimbrel started with stdin, stdout and stderr closed, on the session bus" e2e_call TextActionTitles
run
check "a second start beside one started with its descriptors closed" 0 ""
escape_closes 'Nimbrel Settings'
kill -s HUP "$E2E_NIMBREL_PID"
e2e_copy_and_wait 'SIGHUP ignored under nohup'
e2e_nimbrel_running || e2e_fail "an ignored SIGHUP ended Nimbrel"
kill -s TERM "$E2E_NIMBREL_PID"
e2e_ended_cleanly "SIGTERM to Nimbrel started with its descriptors closed and SIGHUP ignored"

# A text action on 16 MiB of rich text works in the background: meanwhile the bus answers and a
# newer copy is announced, and wins over the rewrite; SIGTERM during one ends Nimbrel with the
# clipboard as it was before the action.
working() { grep -qx 'nimbrel work' /proc/"$E2E_NIMBREL_PID"/task/*/comm 2>/dev/null; }
large_copy() {
  e2e_offer_and_wait --chunk 1000000 --repeat-to $((16 << 20)) \
    'text/html=<p>word after word <b>in bold</b> and <a href="x">a link</a></p>' "UTF8_STRING=$1 "
}
e2e_start_nimbrel
large_copy 'a large copy'
e2e_spawn action "$NIMBREL_BINARY" --action Uppercase
action_pid=$E2E_SPAWNED
e2e_wait_for "the 16 MiB rewrite under way" working
# The rewrite's exit status of 1 below shows that the copy came, and was announced, while it ran.
e2e_copy_and_wait 'copied during a 16 MiB rewrite'
run --list-actions
check "--list-actions beside a 16 MiB rewrite" 0 "$titles"
status=0 && wait "$action_pid" || status=$?
e2e_expect_eq "the rewrite of what a newer copy replaced: its exit status" 1 "$status"
e2e_expect_eq "the newer copy kept" 'copied during a 16 MiB rewrite' "$(e2e_paste)"
large_copy 'a large copy to end during its rewrite'
before=$(e2e_paste text/html | md5sum)
e2e_spawn action "$NIMBREL_BINARY" --action Snakecase
e2e_wait_for "the second 16 MiB rewrite under way" working
kill -s TERM "$E2E_NIMBREL_PID"
e2e_ended_cleanly "SIGTERM during a 16 MiB rewrite"
e2e_expect_eq "the clipboard as it was before the action" "$before" "$(e2e_paste text/html | md5sum)"

# SIGTERM, SIGINT and SIGHUP end Nimbrel as the Quit entry does.
for signal in TERM INT HUP; do
  e2e_start_nimbrel
  e2e_copy_and_wait "announced before SIG$signal" shown
  kill -s "$signal" "$E2E_NIMBREL_PID"
  e2e_ended_cleanly "SIG$signal"
done
# Started as the README's run.sh starts it: the hint on how to end it is the last start-up line,
# and Ctrl+C (SIGINT to the terminal's foreground process group, the script's) ends it cleanly.
e2e_spawn start-script env --default-signal=HUP,INT,TERM "$(dirname "$0")/../../scripts/start-nimbrel.sh" "$NIMBREL_BINARY"
e2e_wait_for "Nimbrel started by the start script, on the session bus" e2e_call TextActionTitles
e2e_wait_for "the start script's hint" grep -q 'Ctrl+C' "$E2E_TMP/start-script.log"
e2e_expect_eq "the start script's last line" "run: Nimbrel runs in the tray; its menu's Quit, or Ctrl+C here, ends it" \
  "$(tail -n 1 "$E2E_TMP/start-script.log")"
grep -q 'tray icon' "$E2E_TMP/start-script.log" || e2e_fail "Nimbrel's tray line did not come before the hint"
kill -s INT -- "-$E2E_SPAWNED"
status=0 && wait "$E2E_SPAWNED" || status=$?
e2e_expect_eq "Ctrl+C to the start script: its exit status, Nimbrel's" 0 "$status"
e2e_wait_for "Nimbrel ended by Ctrl+C to leave the bus" e2e_fails e2e_call TextActionTitles
