#!/usr/bin/env bash
# Runs one libFuzzer target for a fixed time and prints one line: inputs run, seconds, inputs a
# second. The line is also kept in SUMMARY for the test command to list; the fuzzer's own
# output goes to SUMMARY's .log beside it.
# Usage: fuzz-target.sh TARGET SECONDS SUMMARY WORK_DIR [CORPUS_DIR...]
set -uo pipefail
target="$1" seconds="$2" summary="$3"
shift 3
[ "$#" -gt 0 ] && mkdir -p "$1"
name="$(basename "$target")"
log="${summary%.*}.log"
started="$(date +%s%N)"
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$@" >"$log" 2>&1
status=$?
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
inputs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
inputs="${inputs:-0}"
rate=$(( elapsed_ms > 0 ? inputs * 1000 / elapsed_ms : 0 ))
line="$(printf '%s: %d inputs in %d.%01d s, %d inputs/s' "$name" "$inputs" $((elapsed_ms / 1000)) \
  $((elapsed_ms % 1000 / 100)) "$rate")"
[ "$status" -eq 0 ] || line="$line, FAILED (exit $status, see $log)"
echo "$line" | tee "$summary"
[ "$status" -eq 0 ] || tail -n 40 "$log"
exit "$status"
