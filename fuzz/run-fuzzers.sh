#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds (default 60) and
# prints libFuzzer's closing lines. The seed corpus in fuzz/corpus is only
# read; what the fuzzers find goes to the build folder's own corpus.
# FUZZ_TARGETS names a few of the targets to run alone; a name may carry its
# own seconds, as in fuzz_pattern:8.
set -euo pipefail
default_seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=${FUZZ_BUILD:-build-fuzz}
build=$(cd "$build" && pwd)
targets=${FUZZ_TARGETS:-fuzz_pattern fuzz_lastgame fuzz_scores fuzz_names fuzz_jpeg fuzz_savedgame}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for entry in $targets; do
  target=${entry%%:*}
  seconds=$default_seconds
  [[ $entry == *:* ]] && seconds=${entry##*:}
  found="$build/corpus/$target"
  mkdir -p "$found" "$build/crashes/$target"
  seeds="$here/corpus/$target"
  log="$build/$target.log"
  echo "== $target: $seconds s"
  # -timeout: a single input that takes many seconds is a fault too (a hang);
  # the margin allows for a machine busy with other work. The targets work in
  # a directory of their own, so the faults found are sent to crashes/.
  if ! "$build/$target" "$found" "$seeds" -artifact_prefix="$build/crashes/$target/" \
          -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
          -print_final_stats=1 >"$log" 2>&1; then
    echo "!! $target found a fault; its log: $log"
    tail -n 60 "$log"
    status=1
    continue
  fi
  # The closing lines: the last progress report and the final statistics.
  grep -E '^#[0-9]+.*(DONE|pulse)' "$log" | tail -n 1 || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" || true
done
exit $status
