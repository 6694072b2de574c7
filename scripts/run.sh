#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j2

binary=$(find build/release -type f -name nimbrel -perm -u+x | head -n 1)
if [[ -z "$binary" ]]; then
  echo "run: the build produced no nimbrel binary" >&2
  exit 1
fi

exec ./scripts/start-nimbrel.sh "$binary" "$@"
