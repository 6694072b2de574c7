# shellcheck shell=bash
# Helpers the fault and soak tests and bench/desktop add to tests/e2e/lib.sh, which must be
# sourced first.

# How long a bus call may take while Nimbrel deals with a fault. The aim is 100 ms; the tests run
# the AddressSanitizer build, whose every allocation and X reply costs several times more, and the
# time includes starting dbus-send, so they allow 300 ms unless told otherwise.
FAULT_BUS_BUDGET_MS=${FAULT_BUS_BUDGET_MS:-300}

# Starts a clipboard owner that prints "owner" once it owns the clipboard, and waits for that.
# Usage: fault_own NAME COMMAND...
fault_own() {
  local name=$1
  shift
  e2e_spawn "$name" "$@"
  e2e_wait_for "$name to own the clipboard" grep -q '^owner' "$E2E_TMP/$name.log"
}

fault_peer_said() { grep -qx "$2" "$E2E_TMP/$1.log"; }

# Milliseconds one TextActionTitles call takes to come back; fails without an answer.
fault_bus_answer_ms() {
  local start
  start=$(date +%s%N)
  dbus-send --session --print-reply --reply-timeout=5000 --dest="$NIMBREL_BUS_NAME" "$NIMBREL_OBJECT_PATH" \
    org.nimbrel.Nimbrel.TextActionTitles >/dev/null || return 1
  echo $((($(date +%s%N) - start) / 1000000))
}

# Calls Nimbrel over and over for the given seconds, or until the given command succeeds, and
# fails on the first answer slower than the budget. Usage: fault_keeps_answering WHAT SECONDS [COMMAND...]
fault_keeps_answering() {
  local what=$1 seconds=$2 slowest=0 calls=0 elapsed
  shift 2
  local end=$((SECONDS + seconds))
  while ((SECONDS < end)); do
    elapsed=$(fault_bus_answer_ms) || e2e_fail "no answer on the bus $what"
    ((elapsed <= FAULT_BUS_BUDGET_MS)) || e2e_fail "a bus answer $what took ${elapsed} ms"
    ((elapsed > slowest)) && slowest=$elapsed
    calls=$((calls + 1))
    (($# > 0)) && "$@" >/dev/null 2>&1 && break
    sleep 0.05
  done
  e2e_log "ok: $calls bus answers $what, slowest ${slowest} ms"
}

# The wall-clock time in nanoseconds at which the bus saw the last Notify call with this body
# (a one-line body), or nothing.
fault_notify_time() {
  awk -v wanted="$1" '
    /member=Notify$/ { split($3, stamp, "="); at = stamp[2]; in_notify = 1; strings = 0; next }
    /^(method|signal|error)/ { in_notify = 0; next }
    in_notify && /^   string "/ && ++strings == 4 {
      body = $0; sub(/^   string "/, "", body); sub(/"$/, "", body)
      if (body == wanted) found = at
      in_notify = 0
    }
    END { if (found != "") { split(found, parts, "."); printf "%s%s000\n", parts[1], parts[2] } }
  ' "$NOTIFICATIONS_LOG"
}

# The bodies of all Notify calls, each exactly as sent (newlines included), separated by NUL.
fault_notify_bodies() {
  awk '
    /member=Notify$/ { in_notify = 1; strings = 0; collecting = 0; next }
    /^(method|signal|error)/ { in_notify = 0; next }
    !in_notify { next }
    collecting && /^   array \[/ {
      sub(/"$/, "", body)
      printf "%s%c", body, 0
      collecting = 0; in_notify = 0; next
    }
    collecting { body = body "\n" $0; next }
    /^   string "/ {
      strings++
      if (strings == 4) { body = $0; sub(/^   string "/, "", body); collecting = 1 }
    }
  ' "$NOTIFICATIONS_LOG"
}

fault_last_notify_body() {
  fault_notify_bodies | awk 'BEGIN { RS = "\0" } { last = $0 } END { printf "%s", last }'
}

# A process's resident memory (VmRSS) and proportional share (Pss), in kB.
fault_rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
fault_pss_kb() { awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup" 2>/dev/null; }

fault_expect_running() {
  e2e_nimbrel_running || e2e_fail "Nimbrel exited $1"
}

# Opens the paste item options window and copies everything in its text view, as a user would
# with Ctrl+A Ctrl+C. An empty view copies nothing and leaves the clipboard to its owner.
fault_copy_text_view() {
  local window
  e2e_call ShowPasteItemOptions >/dev/null
  e2e_wait_for "the paste item options window" e2e_window_shown "Paste Item Options"
  window=$(xdotool search --onlyvisible --name '^Paste Item Options$' | head -n 1)
  xdotool mousemove --window "$window" 40 60 click 1
  xdotool windowfocus --sync "$window" key --window "$window" ctrl+a ctrl+c
}

# Qt offers SAVE_TARGETS on every clipboard it owns; the peers and xclip never do.
fault_nimbrel_owns_clipboard() { e2e_clipboard_offers SAVE_TARGETS; }

fault_text_view_shows() {
  fault_copy_text_view >/dev/null 2>&1 || return 1
  [[ "$(e2e_clipboard_text)" == "$1" ]]
}

# Waits until the paste item options text view shows the given text, which tells that Nimbrel has
# handled a copy it does not announce.
fault_wait_for_text_view() {
  e2e_wait_for "the text view to show [$1]" fault_text_view_shows "$1"
}
