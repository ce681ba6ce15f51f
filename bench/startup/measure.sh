#!/usr/bin/env bash
# Time from starting a program to its window being mapped on the X display,
# and its resident memory once it is up, as medians of several starts:
#   bench/startup/measure.sh PROGRAM "WINDOW TITLE PART" [RUNS]
# Needs an X server in DISPLAY (Xvfb) and xdotool. The program starts in an
# empty folder of its own with the shipped patterns.
set -euo pipefail
program=$(readlink -f "$1")
title=$2
runs=${3:-9}
here=$(cd "$(dirname "$0")/../.." && pwd)
times=() rss=()
for ((i = 0; i < runs; i++)); do
  dir=$(mktemp -d)
  cp -r "$here/Patterns" "$dir/"
  start=$(date +%s%N)
  (cd "$dir" && exec "$program" >/dev/null 2>&1) &
  pid=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.002; done
  mapped=$(date +%s%N)
  sleep 1
  rss+=($(awk '/VmRSS/ {print $2}' /proc/$pid/status))
  kill $pid; wait $pid 2>/dev/null || true
  rm -rf "$dir"
  times+=($(( (mapped - start) / 1000000 )))
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "$(basename "$program"): mapped after $(median "${times[@]}") ms, resident $(awk -v k="$(median "${rss[@]}")" 'BEGIN {printf "%.1f", k / 1024}') MiB (medians of $runs)"
