#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up: launch to window mapped, against the bare stage (the floor: the
# same window, background picture and Chinese face, and nothing else), runs
# interleaved so that load from elsewhere falls on both alike; then launch to
# the music buffered and playing, without a sound server and on a PulseAudio
# null sink, where it is also heard on the sink's monitor.
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"
runs=${RUNS:-11}
sound_runs=${SOUND_RUNS:-7}

# Mapping is timed on a display of its own without a window manager, which
# would add its own round trips to both.
bare_display() { # sets window_display
  local fd_file="$work/bare-display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [[ -s $fd_file ]] && break; sleep 0.05; done
  window_display=":$(head -n1 "$fd_file")"
}
median_of() { printf '%s\n' "$@" | median; }

# mapped TITLE PROGRAM...: appends wall-clock and CPU ms to the named arrays.
mapped() {
  local -n wall=$1 cpu=$2
  shift 2
  local ms pid used
  read -t 60 -r ms pid used < <(DISPLAY=$window_display "$build/bench/wait-window" "$@")
  wall+=("$ms"); cpu+=("$used")
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
}

bare_display
show_ms=() show_cpu=() stage_ms=() stage_cpu=() bare_ms=() bare_cpu=()
for i in $(seq "$runs"); do
  folder=$(new_program_folder "startup $i")
  (cd "$folder" && mapped show_ms show_cpu "Velmora  BY Tarsune" ./velmora
   declare -p show_ms show_cpu >"$work/last-run")
  # shellcheck source=/dev/null # the arrays declare -p wrote just above
  source "$work/last-run"
  mapped stage_ms stage_cpu "bare stage" "$build/bench/bare-stage"
  mapped bare_ms bare_cpu "bare window" "$build/bench/bare-window"
done

# playing_after: ms from start to "playing Orlessa.mp3" in the program's own log.
launch_show() { QT_LOGGING_RULES="velmora.timeline.info=true" start_show "$folder"; }
playing_after() {
  for _ in $(seq 300); do grep -q 'playing Orlessa.mp3' "$work/velmora.log" && break; sleep 0.01; done
  sed -n 's/.*playing Orlessa.mp3 at \([0-9.]*\) ms.*/\1/p' "$work/velmora.log" | head -n1
}

# The floor: a bare player of the same music, started right after each show.
bare_playing_after() {
  start_bare_player "$VELMORA_SOURCE/resources/music.mp3"
  for _ in $(seq 300); do grep -q 'playing at' "$work/bare-player.log" && break; sleep 0.01; done
  sed -n 's/.*playing at \([0-9.]*\) ms.*/\1/p' "$work/bare-player.log" | head -n1
  kill "$player_pid" 2>/dev/null; wait "$player_pid" 2>/dev/null
}

silent_ms=() silent_bare_ms=()
(
  no_sound
  export DISPLAY=$window_display
  for i in $(seq "$sound_runs"); do
    folder=$(new_program_folder "silent $i")
    launch_show
    playing_after >>"$work/silent"
    kill "$show_pid" 2>/dev/null; wait "$show_pid" 2>/dev/null
    bare_playing_after >>"$work/silent-bare"
  done
)
mapfile -t silent_ms <"$work/silent"
mapfile -t silent_bare_ms <"$work/silent-bare"

start_display
start_sound

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

# The sink and its monitor add latency of their own: a plain pacat of a
# sound that is loud from its first sample is the baseline.
sox -n -r 44100 -c 2 -b 16 "$work/click.wav" synth 1 sine 440 vol 0.5
audible_ms=() baseline_ms=() playing_ms=() playing_bare_ms=()
for i in $(seq "$sound_runs"); do
  first_audible play_click
  baseline_ms+=("$heard_ms")
  folder=$(new_program_folder "sound $i")
  first_audible launch_show
  audible_ms+=("$heard_ms")
  playing_ms+=("$(playing_after)")
  kill "$show_pid" 2>/dev/null
  wait "$show_pid" 2>/dev/null
  playing_bare_ms+=("$(bare_playing_after)")
done

show=$(median_of "${show_ms[@]}") stage=$(median_of "${stage_ms[@]}") bare=$(median_of "${bare_ms[@]}")
printf 'startup: window mapped (no window manager), median of %d interleaved: velmora %.1f ms, bare stage %.1f ms, ratio %s (target <= 1.25); bare window %.1f ms\n' \
  "$runs" "$show" "$stage" "$(ratio "$show" "$stage")" "$bare"
show=$(median_of "${show_cpu[@]}") stage=$(median_of "${stage_cpu[@]}") bare=$(median_of "${bare_cpu[@]}")
printf 'startup: CPU used by then (all threads), median: velmora %.1f ms, bare stage %.1f ms, ratio %s; bare window %.1f ms\n' \
  "$show" "$stage" "$(ratio "$show" "$stage")" "$bare"
printf 'startup: music buffered and playing (in-process), median of %d: no sound server %.0f ms, PulseAudio null sink %.0f ms (targets <= 120 ms)\n' \
  "$sound_runs" "$(median_of "${silent_ms[@]}")" "$(median_of "${playing_ms[@]}")"
printf 'startup: the same for the bare player of the same music: no sound server %.0f ms, PulseAudio null sink %.0f ms\n' \
  "$(median_of "${silent_bare_ms[@]}")" "$(median_of "${playing_bare_ms[@]}")"
audible=$(median_of "${audible_ms[@]}") baseline=$(median_of "${baseline_ms[@]}")
printf 'startup: launch to audible music on the null sink, median of %d: %.0f ms; pacat baseline on the same sink %.0f ms; difference %.0f ms\n' \
  "$sound_runs" "$audible" "$baseline" "$(echo "$audible - $baseline" | bc -l)"
printf 'startup: runs velmora:    %s\n' "${show_ms[*]}"
printf 'startup: runs bare stage: %s\n' "${stage_ms[*]}"
printf 'startup: runs CPU velmora: %s; bare stage: %s\n' "${show_cpu[*]}" "${stage_cpu[*]}"
printf 'startup: runs playing, no server: %s; null sink: %s\n' "${silent_ms[*]}" "${playing_ms[*]}"
printf 'startup: runs bare player playing, no server: %s; null sink: %s\n' "${silent_bare_ms[*]}" "${playing_bare_ms[*]}"
printf 'startup: runs audible: %s; baseline: %s\n' "${audible_ms[*]}" "${baseline_ms[*]}"
printf 'startup: load average at the end: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
