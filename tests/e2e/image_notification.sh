#!/usr/bin/env bash
# Something that is neither text nor files (an image) is announced without a body.
source "$(dirname "$0")/lib.sh"

e2e_start_desktop
e2e_start_nimbrel

# A 1x1 PNG.
base64 -d >"$E2E_TMP/pixel.png" <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg=='
e2e_copy_file "$E2E_TMP/pixel.png" image/png
e2e_expect_eq "image announced with an empty body" $'Nimbrel!\t' "$(e2e_wait_for_notify 1)"
