#!/usr/bin/env bash
# Starts a built nimbrel binary (the first argument; the rest are its own) in the graphical session
# of this terminal, and says as the last of its start-up lines how to end it.
set -euo pipefail
binary=$1
shift

# Nimbrel reads the clipboard natively where the Wayland compositor allows it and through X11
# otherwise; its windows go to XWayland where there is one. Some sessions start XWayland without
# exporting DISPLAY: use its socket then.
if [[ -z "${DISPLAY:-}" && -n "${WAYLAND_DISPLAY:-}" ]]; then
  for socket in /tmp/.X11-unix/X*; do
    if [[ -S "$socket" && -O "$socket" ]]; then
      export DISPLAY=":${socket##*/X}"
      break
    fi
  done
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run: no graphical session found (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
  exit 1
fi

# Nimbrel's last start-up line says where its tray icon went; the hint follows it, or follows
# 5 s of silence. A second start only opens the running Nimbrel's settings window and ends: no hint.
hint="run: Nimbrel runs in the tray; its menu's Quit, or Ctrl+C here, ends it"
relay() {
  local line hinted=false status
  while true; do
    status=0
    IFS= read -r -t 5 line || status=$?
    if ((status == 0)); then
      printf '%s\n' "$line"
      [[ $hinted == false && $line == *tray* ]] && echo "$hint" && hinted=true
    elif ((status > 128)); then
      [[ $hinted == false ]] && echo "$hint" && hinted=true
    else
      return 0
    fi
  done
}

# With job control, Nimbrel keeps the default SIGINT (a script's background job would ignore it)
# and a process group of its own: Ctrl+C reaches this script, which passes it on.
set -m
"$binary" "$@" 2> >(relay >&2) &
pid=$!
trap 'kill -INT "$pid" 2>/dev/null || true' INT
trap 'kill -TERM "$pid" 2>/dev/null || true' TERM HUP
# wait returns early when a trapped signal comes in; the last one gives Nimbrel's exit status.
while kill -0 "$pid" 2>/dev/null; do wait "$pid" || true; done
wait "$pid"
