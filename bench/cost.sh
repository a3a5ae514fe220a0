#!/usr/bin/env bash
# Cost: CPU (share of one core) and peak resident memory while the letter is
# typed with music playing, and while the refusal video plays.
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"
start_display
start_sound

folder=$(new_program_folder typing)
start_show "$folder"
wait_window "Velmora  BY Tarsune" >/dev/null
sleep 5
typing_cpu=$(cpu_share "$show_pid" 30)
typing_rss=$(peak_rss_mb "$show_pid")
kill "$show_pid"; wait "$show_pid" 2>/dev/null

folder=$(new_program_folder video)
printf 'a' | write_gbk "$folder/orlessa.ini"
printf 'b' | write_gbk "$folder/xuanyan.ini"
start_show "$folder"
answer "询问" alt+n
wait_window "我一定要追到你!!!" 10 >/dev/null
sleep 2
video_cpu=$(cpu_share "$show_pid" 10)
video_rss=$(peak_rss_mb "$show_pid")
kill "$show_pid"; wait "$show_pid" 2>/dev/null

# The floor: a bare player of the same film, at the same size, on the same
# display and sink: GStreamer's own where the show plays through GStreamer,
# FFmpeg's own elsewhere.
film=$VELMORA_SOURCE/resources/refusal.avi
if grep -q 'media backend gstreamer' "$show_log"; then
  floor_name="gst-launch-1.0 playbin"
  gst-launch-1.0 -q playbin "uri=file://$film" \
    video-sink="videoconvert ! videoscale ! video/x-raw,width=788,height=496 ! ximagesink" >/dev/null 2>&1 &
else
  floor_name="ffplay"
  SDL_RENDER_DRIVER=software ffplay -loglevel quiet -autoexit -x 788 -y 496 "$film" >/dev/null 2>&1 &
fi
floor_pid=$!
pids+=("$floor_pid")
sleep 2
floor_cpu=$(cpu_share "$floor_pid" 10)
floor_rss=$(peak_rss_mb "$floor_pid")
kill "$floor_pid"; wait "$floor_pid" 2>/dev/null

printf 'cost: typing with music: CPU %s %% of one core (target <= 1 %%), peak RSS %s MB (target <= 80 MB)\n' "$typing_cpu" "$typing_rss"
printf 'cost: refusal video:     CPU %s %% of one core (target <= 20 %%), peak RSS %s MB (target <= 160 MB)\n' "$video_cpu" "$video_rss"
printf 'cost: the film floor (%s, 788 x 496): CPU %s %%, peak RSS %s MB\n' "$floor_name" "$floor_cpu" "$floor_rss"
printf 'cost: the film against its floor: CPU %s x (target <= 1.15), peak RSS %s x (target <= 1.3)\n' \
  "$(ratio "$video_cpu" "$floor_cpu")" "$(ratio "$video_rss" "$floor_rss")"
