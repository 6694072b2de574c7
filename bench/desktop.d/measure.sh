# shellcheck shell=bash
# The measurements bench/desktop takes of one program in a private desktop world, after
# tests/e2e/lib.sh has been sourced. Each prints one result line. The speed and memory targets
# live here, not in the tests.

# A process's resident memory (VmRSS) and proportional share (Pss), in kB.
bench_rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
bench_pss_kb() { awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup" 2>/dev/null; }

# The median of 11 calls to the bus daemon itself: what dbus-send costs before any answer of ours.
bench_dbus_send_start_ms() {
  local k start
  for ((k = 0; k < 11; k++)); do
    start=$(date +%s%N)
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null
    echo $((($(date +%s%N) - start) / 1000000))
  done | sort -n | sed -n 6p
}

# Milliseconds one TextActionTitles call takes to come back, dbus-send's start included.
bench_bus_answer_ms() {
  local start
  start=$(date +%s%N)
  dbus-send --session --print-reply --reply-timeout=5000 --dest="$NIMBREL_BUS_NAME" "$NIMBREL_OBJECT_PATH" \
    org.nimbrel.Nimbrel.TextActionTitles >/dev/null || return 1
  echo $((($(date +%s%N) - start) / 1000000))
}

# Starts a desktop world and the program to measure in it: "nimbrel" (NIMBREL_BINARY), "copyq",
# with notifications of new clipboard text switched on and a home directory of its own, or
# "floor", a Qt program with only a tray icon and its menu (QT_TRAY_FLOOR). Sets BENCH_PID.
bench_start() {
  e2e_start_desktop
  case $1 in
    nimbrel)
      e2e_start_nimbrel
      BENCH_PID=$E2E_NIMBREL_PID
      ;;
    copyq)
      export HOME="$E2E_TMP/home"
      mkdir -p "$HOME"
      QT_QPA_PLATFORM=xcb e2e_spawn copyq copyq
      BENCH_PID=$E2E_SPAWNED
      e2e_wait_for "CopyQ's server" copyq eval 1
      copyq config native_notifications true >/dev/null
      copyq config clipboard_notification_lines 3 >/dev/null
      copyq config item_popup_interval 10 >/dev/null
      ;;
    floor)
      QT_QPA_PLATFORM=xcb e2e_spawn floor "${QT_TRAY_FLOOR:?the path of bench/qt_tray_floor}"
      BENCH_PID=$E2E_SPAWNED
      e2e_wait_for "the floor's tray icon" xdotool search --onlyvisible --classname qt_tray_floor
      ;;
  esac
}

# The process and everything it started (CopyQ reads the clipboard in a child process).
bench_process_tree() {
  local pid
  echo "$1"
  for pid in $(ps -o pid= --ppid "$1"); do
    bench_process_tree "$pid"
  done
}

# CPU time (user plus system) in clock ticks, summed over the tree. The command name in
# /proc/PID/stat may hold spaces, so fields are counted after its closing parenthesis.
bench_cpu_ticks() {
  local pid total=0 rest
  for pid in $(bench_process_tree "$1"); do
    rest=$(sed 's/.*) //' "/proc/$pid/stat")
    total=$((total + $(awk '{ print $12 + $13 }' <<<"$rest")))
  done
  echo "$total"
}

bench_memory_kb() {
  local pid rss=0 pss=0
  for pid in $(bench_process_tree "$1"); do
    rss=$((rss + $(bench_rss_kb "$pid")))
    pss=$((pss + $(bench_pss_kb "$pid")))
  done
  echo "$rss $pss"
}

# Context switches of every thread in the tree, voluntary or not: each is a wake-up.
bench_context_switches() {
  local pid total=0
  for pid in $(bench_process_tree "$1"); do
    total=$((total + $(cat "/proc/$pid"/task/*/status 2>/dev/null | awk '/ctxt_switches:/ { n += $2 } END { print n + 0 }')))
  done
  echo "$total"
}

# idle PROGRAM CPU_PERCENT_OF_ONE_CORE RSS_KB PSS_KB WAKEUPS_PER_SECOND after SECONDS with nothing
# happening.
bench_idle() {
  local program=$1 seconds=$2 before after switches_before switches_after
  bench_start "$program"
  sleep 5
  before=$(bench_cpu_ticks "$BENCH_PID")
  switches_before=$(bench_context_switches "$BENCH_PID")
  sleep "$seconds"
  after=$(bench_cpu_ticks "$BENCH_PID")
  switches_after=$(bench_context_switches "$BENCH_PID")
  echo "idle $program $(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
    'BEGIN { printf "%.4f", 100 * t / hz / s }') $(bench_memory_kb "$BENCH_PID")" \
    "$(awk -v n=$((switches_after - switches_before)) -v s="$seconds" 'BEGIN { printf "%.2f", n / s }')"
}

# Every Notify call: "WALL_CLOCK_NANOSECONDS<TAB>BODY", the body's first line only.
bench_notify_times() {
  awk '
    /member=Notify$/ { split($3, stamp, "="); at = stamp[2]; in_notify = 1; strings = 0; next }
    /^(method|signal|error)/ { in_notify = 0; next }
    in_notify && /^   string "/ && ++strings == 4 {
      body = $0; sub(/^   string "/, "", body); sub(/"$/, "", body)
      split(at, parts, "."); printf "%s%s000\t%s\n", parts[1], parts[2], body
      in_notify = 0
    }
  ' "$NOTIFICATIONS_LOG"
}

# reaction PROGRAM MEDIAN_MS P99_MS MIN_MS MAX_MS ANNOUNCED: for each of COUNT changes, the time
# from just before the owner took the clipboard to the first Notify call showing the new text.
bench_reaction() {
  local program=$1 count=$2 interval_us=$3
  bench_start "$program"
  e2e_offer --burst "$count" --interval-us "$interval_us" --times "$E2E_TMP/times" --lifetime 3600 \
    'UTF8_STRING=reaction '
  E2E_DEADLINE=$((count * interval_us / 1000000 + 10)) e2e_wait_for "the last change" e2e_offer_said done
  sleep 1
  bench_lags reaction "$program" "$count"
}

# reaction-sway nimbrel MEDIAN_MS P99_MS MIN_MS MAX_MS ANNOUNCED: the same on headless sway with a
# native Wayland window (foot) focused, each copy made by wl-copy every INTERVAL seconds; the time
# is taken before wl-copy starts, so its start-up counts as lag.
bench_reaction_sway() {
  local count=$1 interval=$2 k
  e2e_start_sway enable
  e2e_start_session_bus
  e2e_start_notification_monitor
  e2e_start_notification_daemon
  e2e_spawn foot foot
  e2e_wait_for "foot to have the focus" bench_foot_focused
  e2e_start_nimbrel
  for ((k = 1; k <= count; k++)); do
    echo "$k $(date +%s%N)" >>"$E2E_TMP/times"
    wl-copy "reaction $k"
    sleep "$interval"
  done
  sleep 1
  bench_lags reaction-sway nimbrel "$count"
}

bench_foot_focused() { [[ "$(e2e_sway_focused_app)" == foot ]]; }

# KIND PROGRAM MEDIAN_MS P99_MS MIN_MS MAX_MS ANNOUNCED/COUNT from $E2E_TMP/times ("K NANOSECONDS"
# per change) and the Notify calls that showed "reaction K".
bench_lags() {
  local kind=$1 program=$2 count=$3
  bench_notify_times >"$E2E_TMP/notified"
  awk -F'\t' '
    FILENAME == ARGV[1] { if (!($2 in first)) first[$2] = $1; next }
    {
      split($0, change, " ")
      body = "reaction " change[1]
      if (body in first) printf "%.3f\n", (first[body] - change[2]) / 1e6
    }
  ' "$E2E_TMP/notified" "$E2E_TMP/times" | sort -n | bench_summary "$kind" "$program" "$count"
}

# KIND PROGRAM MEDIAN_MS P99_MS MIN_MS MAX_MS FOUND/COUNT from the milliseconds on standard input,
# one a line, sorted.
bench_summary() {
  awk -v kind="$1" -v program="$2" -v count="$3" '
    { lags[++n] = $1 }
    END {
      if (n == 0) { print kind " " program " - - - - 0/" count; exit }
      p99 = lags[int(0.99 * (n - 1)) + 1]
      median = (n % 2) ? lags[(n + 1) / 2] : (lags[n / 2] + lags[n / 2 + 1]) / 2
      printf "%s %s %.1f %.1f %.1f %.1f %d/%d\n", kind, program, median, p99, lags[1], lags[n], n, count
    }
  '
}

# Prints the milliseconds of each answer while the flag file exists.
bench_sample_answers() {
  local call=$1 flag=$2
  while [[ -e "$flag" ]]; do
    "$call" || echo 99999
    sleep 0.05
  done
}

bench_copyq_answer_ms() {
  local start
  start=$(date +%s%N)
  copyq count >/dev/null || return 1
  echo $((($(date +%s%N) - start) / 1000000))
}

# large PROGRAM SHOWN_MS SLOWEST_ANSWER_MS ANSWER_AFTER_MS CALLER_START_MS: a 50 MB text of short
# lines from an incremental owner; the time until its announcement ("-" when none came within
# 30 s; a call that got no answer within 5 s counts as 99999 ms), the slowest answer to a call made
# every 50 ms meanwhile, the first answer after the announcement, and what the caller's own start
# costs (Nimbrel only). Nimbrel is asked TextActionTitles with dbus-send, CopyQ "copyq
# count" with its own client, which costs more to start.
bench_large() {
  local program=$1 call owned shown after caller_start=""
  bench_start "$program"
  call=bench_bus_answer_ms
  [[ $program == copyq ]] && call=bench_copyq_answer_ms
  [[ $program == nimbrel ]] && caller_start=" $(bench_dbus_send_start_ms)"
  touch "$E2E_TMP/sampling"
  bench_sample_answers "$call" "$E2E_TMP/sampling" >"$E2E_TMP/answers" &
  local sampler=$!
  e2e_offer --repeat-to 50000000 --chunk 1048576 --times "$E2E_TMP/owned" $'UTF8_STRING=a line of a fifty megabyte text\n'
  owned=$(awk '{ print $2 }' "$E2E_TMP/owned")
  bench_wait_for_notify 'a line of a fifty'
  after=$("$call" || echo 99999)
  rm "$E2E_TMP/sampling"
  wait "$sampler"
  shown=$(bench_notify_times | awk -F'\t' -v owned="$owned" '
    /^[0-9]+\ta line of a fifty/ { printf "%.0f", ($1 - owned) / 1e6; found = 1; exit }
    END { if (!found) print "-" }')
  echo "large $program $shown $(sort -n "$E2E_TMP/answers" | tail -n 1) $after$caller_start"
}

# Waits up to 30 s for a Notify call whose body holds TEXT.
bench_wait_for_notify() {
  local deadline=$((SECONDS + 30))
  until grep -qF "$1" "$NOTIFICATIONS_LOG" || ((SECONDS >= deadline)); do
    sleep 0.05
  done
}

# returned-x11 nimbrel IDLE_KB KB KB KB, and returned-sway on headless sway (Nimbrel reads through
# data-control there, growing its buffer as the text comes): resident memory after start-up and
# 10 s after each of 3 rounds in which a copy of 50 MB is announced and then replaced by a copy of
# 100 bytes.
bench_returned() {
  local display=$1 idle round large short kept=""
  if [[ $display == sway ]]; then
    e2e_start_sway enable
    e2e_start_session_bus
    e2e_start_notification_monitor
    e2e_start_notification_daemon
  else
    e2e_start_desktop
  fi
  e2e_start_nimbrel
  sleep 5
  idle=$(bench_rss_kb "$E2E_NIMBREL_PID")
  [[ $display == x11 ]] || head -c 50000000 < <(yes 'a line of a fifty megabyte text') >"$E2E_TMP/large"
  for round in 1 2 3; do
    large="round $round of 50 MB" short="round $round, 100 bytes $(printf '%081d' 0)"
    if [[ $display == sway ]]; then
      sed -i "1s/.*/$large/" "$E2E_TMP/large"
      wl-copy <"$E2E_TMP/large"
      bench_wait_for_notify "$large"
      wl-copy "$short"
    else
      e2e_offer --repeat-to 50000000 --chunk 1048576 "UTF8_STRING=$large"$'\n'
      bench_wait_for_notify "$large"
      e2e_offer "UTF8_STRING=$short"
    fi
    bench_wait_for_notify "$short"
    sleep 10
    kept+=" $(bench_rss_kb "$E2E_NIMBREL_PID")"
  done
  echo "returned-$display nimbrel $idle$kept"
}

# soak nimbrel WARM_KB END_KB: resident memory after 500 changes to warm up and, settled, after
# 10,000 more, one every millisecond.
bench_soak() {
  bench_start nimbrel
  e2e_offer --burst 500 --interval-us 4000 'UTF8_STRING=warm-up '
  e2e_wait_for "the warm-up" e2e_offer_said done
  e2e_wait_for "the warm-up announced" e2e_last_notify_body_is 'warm-up 500'
  sleep 2
  local warm_kb
  warm_kb=$(bench_rss_kb "$BENCH_PID")
  e2e_offer --burst 10000 --interval-us 1000 --lifetime 3600 'UTF8_STRING=soak '
  e2e_wait_for "the burst" e2e_offer_said done
  e2e_wait_for "the burst announced" e2e_last_notify_body_is 'soak 10000'
  sleep 2
  echo "soak nimbrel $warm_kb $(bench_rss_kb "$BENCH_PID")"
}

# takeover-sway nimbrel MEDIAN_MS P99_MS MIN_MS MAX_MS TAKEN/COUNT: on headless sway, COUNT times a
# copy by wl-copy, which is ended once Nimbrel has announced the copy; the time from just before
# the end to the next selection a data-control watcher (the test owner, its lines stamped as they
# come) sees, which is Nimbrel's in the copy's place.
bench_takeover_sway() {
  local count=$1 k
  e2e_start_sway enable
  e2e_start_session_bus
  e2e_start_notification_monitor
  e2e_start_notification_daemon
  e2e_start_nimbrel
  e2e_spawn watch sh -c '"$0" --wayland --watch | python3 -c "import sys, time
for line in sys.stdin: print(line.strip(), time.time_ns(), flush=True)"' "$CLIPBOARD_OWNER"
  e2e_wait_for "the watcher" grep -q . "$E2E_TMP/watch.log"
  for ((k = 1; k <= count; k++)); do
    e2e_spawn "copy$k" wl-copy --foreground "take-over $k"
    e2e_wait_for "the announcement of copy $k" e2e_last_notify_body_is "take-over $k"
    # The shell's clock and kill, which start no process, so that nothing comes between.
    echo "${EPOCHREALTIME/./}000" >>"$E2E_TMP/ended"
    kill -TERM -- "-$E2E_SPAWNED"
    e2e_wait_for "the take-over of copy $k" bench_paste_is "take-over $k"
  done
  awk 'FILENAME == ARGV[1] { ended[++n] = $1; next }
    $1 == "selection" && i < n && $2 > ended[i + 1] { i++; printf "%.3f\n", ($2 - ended[i]) / 1e6 }' \
    "$E2E_TMP/ended" "$E2E_TMP/watch.log" | sort -n | bench_summary takeover-sway nimbrel "$count"
}

bench_paste_is() { [[ "$(timeout 5 wl-paste -n 2>/dev/null)" == "$1" ]]; }
# takeover nimbrel MEDIAN_MS P99_MS MIN_MS MAX_MS KEPT/COUNT: for each of COUNT copies, the time from
# just before the owner is killed to the end of a paste (xclip) that gets the copy from Nimbrel,
# which has taken the clipboard over, less what one more such paste costs right after: xclip's
# start-up, which is most of the time otherwise.
bench_takeover() {
  local count=$1 k start
  bench_start nimbrel
  for ((k = 1; k <= count; k++)); do
    e2e_offer "UTF8_STRING=takeover $k"
    bench_wait_for_notify "takeover $k"
    printf 'takeover %s' "$k" >"$E2E_TMP/copy"
    start=$(date +%s%N)
    kill "$E2E_SPAWNED"
    bench_kept_after "$start" "$E2E_TMP/copy" >>"$E2E_TMP/takeovers" || true
  done
  bench_takeover_summary takeover "$count"
}

# takeover-quitting-BYTES nimbrel MEDIAN_MS P99_MS MIN_MS MAX_MS KEPT/COUNT: the same for COUNT copies
# of BYTES by xclip -loops 1, which quits as soon as it has served its copy once (to Nimbrel), as
# scripts do; timed from its end, as the shell that ran it sees it.
bench_takeover_quitting() {
  local count=$1 bytes=$2 k start
  bench_start nimbrel
  for ((k = 1; k <= count; k++)); do
    head -c "$bytes" < <(yes "quitting $k " | tr -d '\n') >"$E2E_TMP/copy"
    xclip -quiet -loops 1 -selection clipboard -i "$E2E_TMP/copy" >/dev/null 2>&1
    start=$(date +%s%N)
    bench_kept_after "$start" "$E2E_TMP/copy" >>"$E2E_TMP/takeovers" || true
  done
  bench_takeover_summary "takeover-quitting-$bytes" "$count"
}

# Microseconds from START (date +%s%N) to the end of a paste that gets what FILE holds, less what one
# more paste costs right after; fails when none has come within 5 s.
bench_kept_after() {
  local start=$1 taken
  until cmp -s "$2" <(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null); do
    (($(date +%s%N) - start < 5000000000)) || return 1
  done
  taken=$(date +%s%N)
  xclip -o -selection clipboard -t UTF8_STRING >/dev/null
  echo $(((2 * taken - start - $(date +%s%N)) / 1000))
}

# KIND nimbrel MEDIAN_MS P99_MS MIN_MS MAX_MS KEPT/COUNT from $E2E_TMP/takeovers.
bench_takeover_summary() {
  sort -n "$E2E_TMP/takeovers" | awk -v kind="$1" -v count="$2" '
    { lags[++n] = $1 / 1000 }
    END {
      if (n == 0) { print kind " nimbrel - - - - 0/" count; exit }
      median = (n % 2) ? lags[(n + 1) / 2] : (lags[n / 2] + lags[n / 2 + 1]) / 2
      printf "%s nimbrel %.1f %.1f %.1f %.1f %d/%d\n", kind, median, lags[int(0.99 * (n - 1)) + 1], lags[1], lags[n], n, count
    }'
}

# held-memory-KEEPING nimbrel IDLE_KB HOLDING_KB: resident memory idle, and 10 s after a copy of
# 10 MB has been announced, offered as GTK offers text, under three names (UTF8_STRING, text/plain
# and text/plain;charset=utf-8), with keeping (KEEPING 1) or without it (0).
bench_held_memory() {
  local idle value
  mkdir -p "$XDG_CONFIG_HOME/nimbrel"
  printf '{"keepClipboard": %s, "notifyText": 1}\n' "$1" >"$XDG_CONFIG_HOME/nimbrel/preferences.json"
  bench_start nimbrel
  sleep 5
  idle=$(bench_rss_kb "$BENCH_PID")
  value='held by Nimbrel '
  e2e_offer --repeat-to 10000000 --chunk 1048576 "UTF8_STRING=$value" "text/plain=$value" "text/plain;charset=utf-8=$value"
  bench_wait_for_notify "$value$value"
  sleep 10
  echo "held-memory-$1 nimbrel $idle $(bench_rss_kb "$BENCH_PID")"
}

# kept-memory nimbrel IDLE_OFF_KB IDLE_ON_KB AFTER_KB: resident memory idle with keeping off and
# (in a world of its own) on, then 10 s after 1,000 copies of 1 MB each, all read and kept.
bench_kept_memory() {
  local off on
  mkdir -p "$XDG_CONFIG_HOME/nimbrel"
  printf '{"keepClipboard": 0, "notifyText": 1}\n' >"$XDG_CONFIG_HOME/nimbrel/preferences.json"
  bench_start nimbrel
  sleep 5
  off=$(bench_rss_kb "$BENCH_PID")
  e2e_stop_nimbrel
  printf '{"keepClipboard": 1, "notifyText": 1}\n' >"$XDG_CONFIG_HOME/nimbrel/preferences.json"
  e2e_start_nimbrel
  BENCH_PID=$E2E_NIMBREL_PID
  sleep 5
  on=$(bench_rss_kb "$BENCH_PID")
  e2e_offer --burst 1000 --interval-us 60000 --repeat-to 1000000 --lifetime 3600 'UTF8_STRING=kept '
  E2E_DEADLINE=120 e2e_wait_for "the copies" e2e_offer_said done
  bench_wait_for_notify 'kept 1000'
  sleep 10
  echo "kept-memory nimbrel $off $on $(bench_rss_kb "$BENCH_PID")"
}
