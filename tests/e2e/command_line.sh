#!/usr/bin/env bash
# The command line: help and errors without a display or bus, every client verb and exit status
# against a running Nimbrel, Escape on the windows it opens, and the bash completion.
source "$(dirname "$0")/lib.sh"
export ASAN_OPTIONS=detect_leaks=0
titles=$'Capitalize\nLowercase\nUppercase\nSnakecase\nRemove rich text formatting\nRemove multiple whitespace\nRemove all whitespace'

# run COMMAND...: sets $status and $output (stdout and stderr together).
run() {
  status=0
  output=$(timeout 60 "$@" 2>&1) || status=$?
}

# check ROW-NAME STATUS TEXT: the last run exited with STATUS and printed TEXT among its output.
check() {
  e2e_expect_eq "$1: exit status" "$2" "$status"
  [[ $output == *"$3"* ]] || e2e_fail "$1: [$3] not in the output [$output]"
}

# split_row ROW NAME...: the row's fields between "|" into the named variables; fields may hold
# newlines.
split_row() { IFS='|' read -rd '' "${@:2}" < <(printf '%s' "$1") || true; }
clipboard_is() { [[ "$(e2e_clipboard_text)" == "$1" ]]; }
window_hidden() { ! e2e_window_shown "$1"; }

# Arguments separated by ";" | exit status | printed text. A tray program started by mistake
# would fail without a display with status 1.
offline_rows=(
  "--help|0|--action <title>"
  "-h|0|--list-actions"
  "--version|0|Nimbrel "
  "--bogus|2|Unknown option 'bogus'"
  "stray|2|Unexpected argument 'stray'"
  "--action|2|Missing value after '--action'"
  "--clear;--settings|2|Give one of"
  "--list-actions|2|no session bus"
)
for row in "${offline_rows[@]}"; do
  split_row "$row" arguments expected_status text
  IFS=';' read -ra args <<<"$arguments"
  run env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS "$NIMBREL_BINARY" "${args[@]}"
  check "without a desktop: $arguments" "$expected_status" "$text"
done

e2e_start_desktop
run "$NIMBREL_BINARY" --action Uppercase
check "--action with nobody running" 2 "Nimbrel is not running"

e2e_start_nimbrel
e2e_copy_and_wait 'hello   wORLD'
# Arguments | exit status | printed text | the clipboard's text afterwards; rows run in order.
client_rows=(
  "--action;Uppercase|0||HELLO   WORLD"
  "--action=Remove multiple whitespace|0||HELLO WORLD"
  "--action;Shout|1|no text action is titled \"Shout\"; the titles are:"$'\n'"$titles|HELLO WORLD"
  "--clear|0||"
  "--action;Uppercase|1|the clipboard holds no text to rewrite|"
)
for row in "${client_rows[@]}"; do
  split_row "$row" arguments expected_status text clipboard
  IFS=';' read -ra args <<<"$arguments"
  run "$NIMBREL_BINARY" "${args[@]}"
  check "$arguments" "$expected_status" "$text"
  e2e_wait_for "the clipboard to hold [$clipboard] after $arguments" clipboard_is "$clipboard"
done
run "$NIMBREL_BINARY" --list-actions
e2e_expect_eq "--list-actions prints one title a line" "0 $titles" "$status $output"

# Verb | window title. Each window opens, shows the application icon and closes on Escape; the
# paste item options window opens only while the clipboard holds text.
e2e_copy_and_wait 'some text'
window_rows=("--settings|Nimbrel Settings" "--options|Paste Item Options")
for row in "${window_rows[@]}"; do
  verb=${row%%|*} title=${row#*|}
  run "$NIMBREL_BINARY" "$verb"
  check "$verb" 0 ""
  e2e_wait_for "the window $title" e2e_window_shown "$title"
  window=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
  [[ $(xprop -id "$window" _NET_WM_ICON) == *Icon* ]] || e2e_fail "$title shows no icon"
  xdotool windowfocus --sync "$window" key Escape
  e2e_wait_for "Escape to close $title" window_hidden "$title"
done

# The completion asks the running Nimbrel for the titles, through this stand-in for the
# installed command. Words separated by ";" | the one completion expected.
nimbrel() { "$NIMBREL_BINARY" "$@"; }
source "$(dirname "$0")/../../src/platform/qt/resources/nimbrel.bash-completion"
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
