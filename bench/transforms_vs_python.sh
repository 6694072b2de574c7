#!/usr/bin/env bash
# Runs transforms_bench and the same operations on Python 3's str over the same 10 MB input,
# and prints a Markdown table of throughput side by side. Both sides are measured in CPU time.
#
# Usage: bench/transforms_vs_python.sh [path/to/transforms_bench]
# (default: build/bench/bench/transforms_bench, as built by the "bench" preset)
set -euo pipefail

bench=${1:-build/bench/bench/transforms_bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bench" --dump-input "$work/input.txt"
"$bench" --benchmark_filter='/10000000$' --benchmark_out="$work/bench.json" \
    --benchmark_out_format=json >/dev/null

python3 - "$work/input.txt" "$work/bench.json" <<'PYTHON'
import json
import sys
import time

with open(sys.argv[1], encoding="utf-8") as file:
    text = file.read()
size = len(text.encode("utf-8"))

operations = {
    "uppercase": str.upper,
    "lowercase": str.lower,
    "capitalize": str.title,
    "snakeCase": lambda s: "_".join(s.split()),
    "collapseWhitespace": lambda s: " ".join(s.split()),
    "removeAllSpaces": lambda s: s.replace(" ", ""),
}

def megabytes_per_second(operation):
    best = float("inf")
    for _ in range(5):
        start = time.process_time()
        operation(text)
        best = min(best, time.process_time() - start)
    return size / 1e6 / best

with open(sys.argv[2]) as file:
    ours = {entry["name"].split("/")[0]: entry["bytes_per_second"] / 1e6
            for entry in json.load(file)["benchmarks"]}

print(f"Input: {size / 1e6:.1f} MB of mixed text\n")
print("| operation | Nimbrel MB/s | Python 3 MB/s | Nimbrel / Python |")
print("|---|---:|---:|---:|")
for name, operation in operations.items():
    python = megabytes_per_second(operation)
    print(f"| {name} | {ours[name]:.0f} | {python:.0f} | {ours[name] / python:.2f} |")
PYTHON
