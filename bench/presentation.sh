#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The show on the whole screen against the show in its window, on a 1920 x
# 1080 display with openbox and the null sink: CPU (share of one core) and
# peak resident memory while the letter is typed with music, and while the
# refusal film plays. Runs interleaved, medians of PRESENTATION_RUNS (3).
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"
export VELMORA_SCREEN=1920x1080
start_display
start_sound
editor=$build/velmora-editor
runs=${PRESENTATION_RUNS:-3}

declare -A typing_cpu typing_rss film_cpu film_rss
for i in $(seq "$runs"); do
  for presentation in window screen; do
    folder=$(new_program_folder "typing $presentation $i")
    "$editor" --presentation "$presentation" "$folder" >/dev/null
    start_show "$folder"
    wait_window "Velmora  BY Tarsune" >/dev/null
    sleep 5
    typing_cpu[$presentation]+="$(cpu_share "$show_pid" 20) "
    typing_rss[$presentation]+="$(peak_rss_mb "$show_pid") "
    kill "$show_pid"; wait "$show_pid" 2>/dev/null

    folder=$(new_program_folder "film $presentation $i")
    "$editor" --presentation "$presentation" "$folder" >/dev/null
    start_film "$folder"
    film_cpu[$presentation]+="$(cpu_share "$show_pid" 8) "
    film_rss[$presentation]+="$(peak_rss_mb "$show_pid") "
    kill "$show_pid"; wait "$show_pid" 2>/dev/null
  done
done
m() { tr ' ' '\n' <<<"$1" | grep . | median; }
for what in typing film; do
  declare -n cpu=${what}_cpu rss=${what}_rss
  [[ $what == typing ]] && cpu_target=1.25 || cpu_target=1.5
  printf 'presentation: %s, median of %d interleaved: window CPU %s %%, peak RSS %s MB; whole screen CPU %s %%, peak RSS %s MB\n' \
    "$what" "$runs" "$(m "${cpu[window]}")" "$(m "${rss[window]}")" "$(m "${cpu[screen]}")" "$(m "${rss[screen]}")"
  printf 'presentation: %s on the whole screen against the window: CPU %s x (target <= %s), peak RSS +%s MB (target <= 40)\n' \
    "$what" "$(ratio "$(m "${cpu[screen]}")" "$(m "${cpu[window]}")")" "$cpu_target" \
    "$(echo "$(m "${rss[screen]}") - $(m "${rss[window]}")" | bc -l)"
  printf 'presentation: runs %s CPU window: %s; screen: %s; peak RSS window: %s; screen: %s\n' \
    "$what" "${cpu[window]% }" "${cpu[screen]% }" "${rss[window]% }" "${rss[screen]% }"
  unset -n cpu rss
done
