#!/usr/bin/env bash
# Builds the fuzzers (the "fuzz" preset, clang) and runs each for SECONDS (default 30) from a copy
# of its seed corpus, so the repository's corpus never grows. Saved regression inputs are replayed
# first. Exits non-zero when any fuzzer finds a crash, a hang or a broken invariant; the input
# that did it is kept under build/fuzz/artifacts/<target>/ and its path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds == 0)); then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is missing (Debian packages clang and libclang-rt-14-dev)" >&2
  exit 1
fi

targets=(text rich_text clipboard_formats json_user_defaults)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${targets[@]/%/_fuzzer}"
binaries=build/fuzz/fuzz
artifacts=build/fuzz/artifacts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# One target: its saved regression inputs, then SECONDS of fuzzing from a copy of its corpus.
# Fails when it finds a crash, a hang or a broken invariant.
fuzz_one() {
  local target=$1 fuzzer="$binaries/$1_fuzzer" log="$work/$1.log" corpus="$work/corpus-$1"
  mkdir -p "$artifacts/$target" "$corpus"
  local regressions=(fuzz/regressions/"$target"/*)
  if [[ -e "${regressions[0]}" ]] && ! "$fuzzer" "${regressions[@]}" >"$log" 2>&1; then
    cat "$log"
    echo "fuzz: $target fails on a saved regression input" >&2
    return 1
  fi
  cp fuzz/corpus/"$target"/* "$corpus"/ || return 1
  echo "fuzz: $target for ${seconds}s"
  if ! "$fuzzer" "$corpus" -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$target/" >"$log" 2>&1; then
    tail -n 60 "$log"
    grep -E 'Test unit written to' "$log" || true
    echo "fuzz: $target FAILED; the input is kept in $artifacts/$target/" >&2
    return 1
  fi
  grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' "$log" | sed 's/^/  /'
}

# A fuzzer uses one core: as many run at once as there are cores. Each one's output is shown
# whole, in the targets' order.
for target in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= $(nproc))); do wait -n || true; done
  (fuzz_one "$target" >"$work/$target.out" 2>&1 && touch "$work/$target.passed") &
done
wait
failed=()
for target in "${targets[@]}"; do
  cat "$work/$target.out"
  [[ -e "$work/$target.passed" ]] || failed+=("$target")
done

if ((${#failed[@]} > 0)); then
  echo "fuzz: failures in: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no failures in ${#targets[@]} targets"
