#!/usr/bin/env bash
# Start-up: launch to window mapped, against a bare Qt window of the same size
# (the floor), median of RUNS runs each; then launch to first audible music
# on a PulseAudio null sink.
source "$(dirname "$0")/common.sh"
runs=${RUNS:-10}
start_display
start_sound

show_ms=() bare_ms=()
for i in $(seq "$runs"); do
  folder=$(new_program_folder "startup $i")
  read -t 60 -r ms pid < <(cd "$folder" && "$build/bench/wait-window" "Velmora  BY Tarsune" ./velmora)
  show_ms+=("$ms"); kill "$pid"; wait "$pid" 2>/dev/null
  read -t 60 -r ms pid < <("$build/bench/wait-window" "bare window" "$build/bench/bare-window")
  bare_ms+=("$ms"); kill "$pid"; wait "$pid" 2>/dev/null
done
show=$(printf '%s\n' "${show_ms[@]}" | median)
bare=$(printf '%s\n' "${bare_ms[@]}" | median)

audible_ms=()
for i in $(seq 5); do
  folder=$(new_program_folder "sound $i")
  parec -d velmora_null.monitor --raw --format=s16le --channels=2 --rate=44100 --latency-msec=5 \
    | "$build/bench/first-sound" 64 >"$work/first-sound" &
  recorder=$!
  sleep 1
  launched=$(date +%s.%N)
  start_show "$folder"
  for _ in $(seq 300); do [[ -s $work/first-sound ]] && break; sleep 0.01; done
  heard=$(cat "$work/first-sound")
  audible_ms+=("$(echo "($heard - $launched) * 1000" | bc -l)")
  kill "$show_pid" 2>/dev/null; wait "$show_pid" 2>/dev/null
  pkill -f "parec -d velmora_null" 2>/dev/null; wait "$recorder" 2>/dev/null
  rm -f "$work/first-sound"
done
audible=$(printf '%s\n' "${audible_ms[@]}" | median)

printf 'startup: window mapped, median of %d: velmora %.1f ms, bare window %.1f ms, ratio %s (target <= 1.3)\n' \
  "$runs" "$show" "$bare" "$(ratio "$show" "$bare")"
printf 'startup: launch to audible music, median of 5: %.0f ms (target < 300 ms); runs: %s\n' \
  "$audible" "$(printf '%.0f ' "${audible_ms[@]}")"
printf 'startup: runs velmora: %s\n' "${show_ms[*]}"
printf 'startup: runs bare:    %s\n' "${bare_ms[*]}"
