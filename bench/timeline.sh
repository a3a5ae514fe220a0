#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The show's pace with the default texts: when the letter completes, the walk
# stops and the question box opens, against their nominal moments; then the
# No road, to time the end of the video against its real length.
# Usage: bench/timeline.sh [SCREENSHOT_DIR]
shots=${1:-}
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"

start_display
start_sound
folder=$(new_program_folder timeline)
export QT_LOGGING_RULES="velmora.timeline.info=true"
launched=$(date +%s.%N)
start_show "$folder"
wait_window "Velmora  BY Tarsune" >/dev/null
mapped=$(date +%s.%N)

if [[ -n $shots ]]; then
  sleep 44; screenshot "$shots/letter.png"
  sleep 64; screenshot "$shots/walk.png"
fi
wait_window "询问" 200 >/dev/null
asked=$(date +%s.%N)
[[ -n $shots ]] && { sleep 1; screenshot "$shots/question.png"; }
answer "询问" alt+n
wait_window "询问" 40 >/dev/null # the plea, once the video has ended
while ! grep -q 'video ended' "$work/velmora.log"; do sleep 0.1; done
answer "询问" alt+n
answer "奋斗" Return
wait_exit "$show_pid" 10

mark() { sed -n "s/.*$1 at \([0-9.]*\) ms.*/\1/p" "$work/velmora.log" | head -n1; }
last_mark() { sed -n "s/.*$1 at \([0-9.]*\) ms.*/\1/p" "$work/velmora.log" | tail -n1; }
began=$(mark 'letter began')
at() { echo "$(mark "$1") - $began" | bc -l; }
video_length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$VELMORA_SOURCE/resources/refusal.avi")
report() { # name measured_ms nominal_ms
  printf '%-34s %10.1f ms  nominal %10.1f ms  off by %+7.1f ms\n' "$1" "$2" "$3" "$(echo "$2 - $3" | bc -l)"
}
echo "timeline: with the default texts (times since the letter began):"
report "letter complete (tick 226)" "$(at 'letter complete')" 87688
report "walk stopped (tick 258 after)" "$(at 'walk stopped')" "$(echo "87688 + 25800" | bc)"
report "question asked (tick 65 after)" "$(at 'question asked')" 120188
report "question box seen (from mapped)" "$(echo "($asked - $mapped) * 1000" | bc -l)" 120188
length_ms=$(echo "$video_length * 1000" | bc -l)
report "video: its end after the file was given" "$(echo "$(mark 'video ended') - $(mark 'video started')" | bc -l)" "$length_ms"
report "video: its end after it began playing" "$(echo "$(mark 'video ended') - $(mark 'playing Orlessa.avi')" | bc -l)" "$length_ms"
report "plea box opens after the film's end (target <= 50 ms)" "$(echo "$(last_mark 'box opens 询问') - $(mark 'finished Orlessa.avi')" | bc -l)" 0
printf 'window mapped %.0f ms after launch\n' "$(echo "($mapped - $launched) * 1000" | bc -l)"
