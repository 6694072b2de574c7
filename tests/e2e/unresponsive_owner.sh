#!/usr/bin/env bash
# A program that takes the clipboard and then never answers must not freeze Nimbrel, and the
# next copy after it is handled as usual.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

e2e_offer --ignore-requests 'UTF8_STRING=never sent'
# Nimbrel is now waiting for an answer that never comes; its event loop must not be.
# The aim is 100 ms; the limit allows for the sanitizer build and the cost of starting gdbus.
for attempt in 1 2 3; do
  start=$(date +%s%N)
  e2e_nimbrel_answers >/dev/null || e2e_fail "no answer on the bus while the owner hangs"
  elapsed_ms=$((($(date +%s%N) - start) / 1000000))
  e2e_log "bus answer $attempt while the owner hangs: ${elapsed_ms} ms"
  ((elapsed_ms <= 300)) || e2e_fail "the bus answer took ${elapsed_ms} ms"
done

e2e_copy_and_wait 'after the hang'
e2e_log "ok: the next copy was announced"
