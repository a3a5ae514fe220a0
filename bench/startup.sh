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

# first_audible COMMAND...: ms from launch until the null sink's monitor
# hears it, into $heard_ms.
first_audible() {
  parec -d velmora_null.monitor --raw --format=s16le --channels=2 --rate=44100 --latency-msec=5 \
    | "$build/bench/first-sound" 64 >"$work/first-sound" &
  local recorder=$!
  sleep 1
  local launched heard
  launched=$(date +%s.%N)
  "$@"
  for _ in $(seq 300); do [[ -s $work/first-sound ]] && break; sleep 0.01; done
  heard=$(cat "$work/first-sound")
  pkill -f "parec -d velmora_null" 2>/dev/null
  wait "$recorder" 2>/dev/null
  rm -f "$work/first-sound"
  heard_ms=$(echo "($heard - $launched) * 1000" | bc -l)
}
play_click() { pacat --latency-msec=10 --file-format=wav "$work/click.wav"; }
launch_show() { QT_LOGGING_RULES="velmora.timeline.info=true" start_show "$folder"; }

# The sink and its monitor add latency of their own: a plain pacat of a
# sound that is loud from its first sample is the baseline.
sox -n -r 44100 -c 2 -b 16 "$work/click.wav" synth 1 sine 440 vol 0.5
audible_ms=() baseline_ms=() playing_ms=()
for i in $(seq 5); do
  first_audible play_click
  baseline_ms+=("$heard_ms")
  folder=$(new_program_folder "sound $i")
  first_audible launch_show
  audible_ms+=("$heard_ms")
  kill "$show_pid" 2>/dev/null
  wait "$show_pid" 2>/dev/null
  playing_ms+=("$(sed -n 's/.*playing Orlessa.mp3 at \([0-9.]*\) ms.*/\1/p' "$work/velmora.log" | head -n1)")
done
audible=$(printf '%s\n' "${audible_ms[@]}" | median)
baseline=$(printf '%s\n' "${baseline_ms[@]}" | median)

printf 'startup: window mapped, median of %d: velmora %.1f ms, bare window %.1f ms, ratio %s (target <= 1.3)\n' \
  "$runs" "$show" "$bare" "$(ratio "$show" "$bare")"
printf 'startup: launch to audible music, median of 5: %.0f ms; pacat baseline on the same sink %.0f ms; difference %.0f ms (target < 300 ms)\n' \
  "$audible" "$baseline" "$(echo "$audible - $baseline" | bc -l)"
printf 'startup: program start to music buffered and playing (in-process), median of 5: %.0f ms\n' \
  "$(printf '%s\n' "${playing_ms[@]}" | median)"
printf "startup: audible runs: %s baseline runs: %s playing: %s\n" "${audible_ms[*]}" "${baseline_ms[*]}" "${playing_ms[*]}"
printf 'startup: runs velmora: %s\n' "${show_ms[*]}"
printf 'startup: runs bare:    %s\n' "${bare_ms[*]}"
