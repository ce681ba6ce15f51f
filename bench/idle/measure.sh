#!/usr/bin/env bash
# The game's cost while the player does nothing, its start and its HiDPI
# painting, each printed beside its target:
#   bench/idle/measure.sh [BUILD_DIR] [DISPLAY_NUMBER] [SECONDS]
# It starts an X server (Xvfb) with a window manager (openbox, so that the
# window can be minimised) on the display given (:91 by default), starts the
# game there in an empty folder of its own with the shipped patterns, leads
# it from state to state with xdotool as a player would, and reads the CPU
# time (utime + stime of /proc/PID/stat) the game takes over SECONDS (20)
# in each state, beside what a bare Qt window takes to show the same changes
# (quorlane-pulse-window) over the same seconds. The start is timed from exec to the mapped window, the game
# and a Qt program that shows one QLabel line taking turns, as medians; the
# painting ratio comes from one run of quorlane-bench (a Release build
# gives the figures that count). CPU time is fair on a busy machine, wall
# time is not: run it when `uptime` shows the machine quiet.
# Needs: xvfb, openbox, xdotool.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(readlink -f "${1:-$here/build}")
display=:${2:-91}
seconds=${3:-20}
game=$build/quorlane
label_window=$build/quorlane-text-window
bench=$build/quorlane-bench
for tool in Xvfb openbox xdotool; do
  command -v $tool >/dev/null || { echo "needs $tool" >&2; exit 1; }
done

pids=()
dirs=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for dir in "${dirs[@]}"; do rm -rf "$dir"; done
}
trap cleanup EXIT
export DISPLAY=$display

# A display of its own: another program's windows would cover the game's,
# and its work would be measured with the game's.
if [ -e "/tmp/.X11-unix/X${display#:}" ]; then
  echo "display $display is in use; name a free one" >&2
  exit 1
fi
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for ((i = 0; i < 500; i++)); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.01; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# A folder with the shipped patterns and nothing else.
scratch() {
  local dir
  dir=$(mktemp -d)
  cp -r "$here/Patterns" "$dir/"
  dirs+=("$dir")
  echo "$dir"
}

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# A figure beside its target; "less" figures meet it when at most the target.
verdict() { awk -v v="$1" -v t="$2" 'BEGIN {print (v <= t ? "meets" : "MISSES")}'; }
report() { printf '%-48s %8s %s  (target at most %s %s) %s\n' "$1" "$2" "$3" "$4" "$3" "$(verdict "$2" "$4")"; }

# --- Idle states -------------------------------------------------------
# In each state a yardstick runs beside the game over the same seconds: a Qt
# window that only changes what the game's screen changes on its timer (the
# prompt strips, a hovered square), so that a busy machine weighs on both
# figures alike. It shows what Qt itself costs for those pixels here.
pulse=$build/quorlane-pulse-window
dir=$(scratch)
(cd "$dir" && exec "$game" >/dev/null 2>&1) &
pid=$!
pids+=($pid)
window=
for ((i = 0; i < 1000; i++)); do
  window=$(xdotool search --onlyvisible --name 'Quorlane v' 2>/dev/null | head -1) || true
  [ -n "$window" ] && break
  sleep 0.01
done
[ -n "$window" ] || { echo "the game's window did not show" >&2; exit 1; }
xdotool windowmove --sync "$window" 20 100 >/dev/null 2>&1 || true
settle() { sleep 2; }
off_the_window() { xdotool mousemove 1275 1019; }
# Keys as the player types them, to the game's window.
key() {
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool key "$1"
}
# The game's share and the yardstick's, measured together:
#   state NAME TARGET STRIPS INTERVAL_MS CELLS
state() {
  local name=$1 target=$2 yardstick=-1 before after ybefore yafter
  if [ "$3" -ge 0 ]; then
    "$pulse" "$3" "$4" "$5" >/dev/null 2>&1 &
    yardstick=$!
    pids+=($yardstick)
    for ((i = 0; i < 500; i++)); do
      local shown
      shown=$(xdotool search --onlyvisible --name '^Pulse Qt window$' 2>/dev/null | head -1) || true
      [ -n "$shown" ] && { xdotool windowmove --sync "$shown" 700 100 >/dev/null 2>&1 || true; break; }
      sleep 0.01
    done
  fi
  settle
  before=$(cpu_ticks "$pid")
  [ "$yardstick" -gt 0 ] && ybefore=$(cpu_ticks "$yardstick")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  local share yshare=
  share=$(awk -v b="$before" -v a="$after" -v s="$seconds" -v hz="$ticks_per_second" \
    'BEGIN {printf "%.3f", (a - b) / hz / s * 100}')
  if [ "$yardstick" -gt 0 ]; then
    yafter=$(cpu_ticks "$yardstick")
    yshare=$(awk -v b="$ybefore" -v a="$yafter" -v s="$seconds" -v hz="$ticks_per_second" \
      'BEGIN {printf "%.3f", (a - b) / hz / s * 100}')
    kill "$yardstick"
    wait "$yardstick" 2>/dev/null || true
  fi
  report "$name" "$share" "% of a core" "$target"
  [ -n "$yshare" ] && printf '%-48s %8s %s\n' "  the yardstick over the same seconds" "$yshare" "% of a core"
  return 0
}

xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
off_the_window
state "Score screen" 0.4 1 30 0

# The score screen behind another window, where X says so: nothing of it
# can be seen, so it is held to the minimised window's target.
"$label_window" >/dev/null 2>&1 &
cover=$!
pids+=($cover)
for ((i = 0; i < 500; i++)); do
  shown=$(xdotool search --onlyvisible --name '^Text Qt window$' 2>/dev/null | head -1) || true
  [ -n "$shown" ] && break
  sleep 0.01
done
xdotool windowsize --sync "$shown" 1280 1024 >/dev/null 2>&1 || true
xdotool windowmove --sync "$shown" 0 0 >/dev/null 2>&1 || true
state "Score screen behind another window" 0.05 -1 0 0
kill $cover
wait $cover 2>/dev/null || true

# A game starts through the new game dialog with the keys: Enter opens it,
# Enter again presses its OK button.
key Return
for ((i = 0; i < 500; i++)); do
  xdotool search --onlyvisible --name '^New Game$' >/dev/null 2>&1 && break
  sleep 0.01
done
sleep 0.5
xdotool key Return
state "Game screen, pointer off the field" 0.2 2 100 0

eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
state "Game screen, pointer resting on the field" 0.5 2 100 1

off_the_window
key F3
state "Paused game" 0.4 2 30 0

key F3
xdotool windowminimize --sync "$window"
state "Minimised" 0.05 -1 0 0
kill $pid
wait $pid 2>/dev/null || true

# The floor under the figures above: a Qt window whose timer wakes it at the
# game's intervals and changes nothing at all. What it takes here, no tick
# that changes a pixel can take less.
for interval in 30 100; do
  "$pulse" 0 "$interval" 0 >/dev/null 2>&1 &
  floor=$!
  pids+=($floor)
  settle
  before=$(cpu_ticks "$floor")
  sleep "$seconds"
  after=$(cpu_ticks "$floor")
  kill $floor
  wait $floor 2>/dev/null || true
  printf '%-48s %8s %s\n' "A Qt window that only wakes every $interval ms" \
    "$(awk -v b="$before" -v a="$after" -v s="$seconds" -v hz="$ticks_per_second" 'BEGIN {printf "%.3f", (a - b) / hz / s * 100}')" \
    "% of a core"
done

# --- Start ---------------------------------------------------------------
# Milliseconds from exec to a visible window whose name holds the title.
start_time() {
  local program=$1 title=$2 dir start mapped child
  dir=$(scratch)
  start=$(date +%s%N)
  (cd "$dir" && exec "$program" >/dev/null 2>&1) &
  child=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.002; done
  mapped=$(date +%s%N)
  kill $child
  wait $child 2>/dev/null || true
  echo $(((mapped - start) / 1000000))
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
game_times=() label_times=()
for ((i = 0; i < 15; i++)); do
  game_times+=($(start_time "$game" 'Quorlane v'))
  label_times+=($(start_time "$label_window" 'Text Qt window'))
done
game_start=$(median "${game_times[@]}")
label_start=$(median "${label_times[@]}")
ratio=$(awk -v g="$game_start" -v l="$label_start" 'BEGIN {printf "%.2f", g / l}')
report "Start, game ${game_start} ms / one QLabel ${label_start} ms" "$ratio" "times" 1.3

# --- HiDPI painting --------------------------------------------------------
if [ -x "$bench" ]; then
  medians=$(QT_QPA_PLATFORM=offscreen "$bench" --benchmark_filter='PaintAllLargest' \
    --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null | awk '/_median/ {print $1, $4}')
  plain=$(awk '$1 == "BM_PaintAllLargest_median" {print $2}' <<<"$medians")
  hidpi=$(awk '$1 == "BM_PaintAllLargestHiDpi_median" {print $2}' <<<"$medians")
  ratio=$(awk -v p="$plain" -v h="$hidpi" 'BEGIN {printf "%.2f", h / p}')
  report "HiDPI painting, ${hidpi} ms / ${plain} ms (CPU)" "$ratio" "times" 4.0
fi
