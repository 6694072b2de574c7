# shellcheck shell=bash
# Sourced by the scripts that run tests: a private X display (Xvfb) for the tests that want one,
# ended with everything else started here when the script exits. Needs no display of its own.

started=()
display_file=$(mktemp)
cleanup() {
  local status=$? pid
  trap - EXIT INT TERM
  for pid in "${started[@]}"; do
    kill -TERM -- "-$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -f "$display_file"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb picks a free number and tells it once ready. It must not reset when its last client
# leaves, as it would between two tests of the X11 clipboard: a connection made during the reset
# is refused.
start_display() {
  local number
  setsid Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null 3>"$display_file" &
  started+=("$!")
  until number=$(cat "$display_file") && [[ -n "$number" ]]; do
    kill -0 "$!" 2>/dev/null || { echo "could not start Xvfb" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=":$number"
  unset WAYLAND_DISPLAY
}
