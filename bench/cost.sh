#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cost: CPU (share of one core) and peak resident memory while the letter is
# typed with music playing, and while the refusal video plays.
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"
start_display
start_sound

# While the letter is typed with music, against the floor: a bare player of
# the same music in a window of the same size. Runs interleaved, so that load
# from elsewhere falls on both alike; medians. Five seconds in, the libraries
# each has mapped are written down (bench/results/RELEASE-libraries.md).
runs=${COST_RUNS:-3}
music=$VELMORA_SOURCE/resources/music.mp3
libraries_mapped() { # libraries_mapped PID: the shared libraries it has mapped, one a line
  awk '$6 ~ /\.so/ {n = split($6, p, "/"); print p[n]}' "/proc/$1/maps" | sort -u
}
wait_titled() { # wait_titled TITLE: until a viewable window has that title
  for _ in $(seq 400); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}
show_cpu=() show_rss=() player_cpu=() player_rss=()
for i in $(seq "$runs"); do
  folder=$(new_program_folder "typing $i")
  start_show "$folder"
  wait_window "Velmora  BY Tarsune" >/dev/null
  sleep 5
  ((i == 1)) && libraries_mapped "$show_pid" >"$work/show-libraries"
  show_cpu+=("$(cpu_share "$show_pid" 30)")
  show_rss+=("$(peak_rss_mb "$show_pid")")
  kill "$show_pid"; wait "$show_pid" 2>/dev/null

  start_bare_player "$music"
  pids+=("$player_pid")
  wait_titled "bare player"
  sleep 5
  ((i == 1)) && libraries_mapped "$player_pid" >"$work/player-libraries"
  player_cpu+=("$(cpu_share "$player_pid" 30)")
  player_rss+=("$(peak_rss_mb "$player_pid")")
  kill "$player_pid"; wait "$player_pid" 2>/dev/null
done
typing_cpu=$(printf '%s\n' "${show_cpu[@]}" | median)
typing_rss=$(printf '%s\n' "${show_rss[@]}" | median)
floor_typing_cpu=$(printf '%s\n' "${player_cpu[@]}" | median)
floor_typing_rss=$(printf '%s\n' "${player_rss[@]}" | median)

# The graphics and video stack: Mesa's drivers, LLVM, Vulkan, VA-API, VDPAU,
# Qt's OpenGL, FFmpeg's and GStreamer's video parts.
video_stack='LLVM|gallium|_dri|dri_|vulkan|libva|vdpau|Qt6OpenGL|GLX_mesa|EGL_mesa|libgbm|libdrm|avcodec|avformat|swscale|avfilter|avdevice|gstvideo|gstgl|vaapi|libglapi'
{
  release=$(. /etc/os-release && echo "$PRETTY_NAME")
  echo "### $release: the shared libraries mapped 5 s into the letter"
  echo
  for who in show player; do
    list=$work/$who-libraries
    [[ $who == show ]] && name="the show" || name="the bare player"
    echo "- $name: $(wc -l <"$list") libraries; of the graphics and video stack:" \
      "$(grep -E "$video_stack" "$list" | tr '\n' ' ' | sed 's/ $//; s/^$/none/')"
  done
  echo "- only the show: $(comm -23 "$work/show-libraries" "$work/player-libraries" | tr '\n' ' ' | sed 's/ $//; s/^$/none/')"
  echo "- only the bare player: $(comm -13 "$work/show-libraries" "$work/player-libraries" | tr '\n' ' ' | sed 's/ $//; s/^$/none/')"
  echo
  echo "The show's, all: $(tr '\n' ' ' <"$work/show-libraries" | sed 's/ $//')"
  echo
} >"$work/libraries.md"
[[ -n ${LIBRARIES_OUT:-} ]] && cp "$work/libraries.md" "$LIBRARIES_OUT"

folder=$(new_program_folder video)
start_film "$folder"
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

printf 'cost: typing with music, median of %d interleaved: CPU %s %% of one core, peak RSS %s MB\n' "$runs" "$typing_cpu" "$typing_rss"
printf 'cost: the typing floor (bare player of the same music, 789 x 486): CPU %s %%, peak RSS %s MB\n' "$floor_typing_cpu" "$floor_typing_rss"
printf 'cost: typing against its floor: CPU %s x, peak RSS %s x (targets <= 1.1)\n' \
  "$(ratio "$typing_cpu" "$floor_typing_cpu")" "$(ratio "$typing_rss" "$floor_typing_rss")"
printf 'cost: runs typing CPU show: %s; bare player: %s; peak RSS show: %s; bare player: %s\n' \
  "${show_cpu[*]}" "${player_cpu[*]}" "${show_rss[*]}" "${player_rss[*]}"
printf 'cost: refusal video:     CPU %s %% of one core (target <= 20 %%), peak RSS %s MB (target <= 160 MB)\n' "$video_cpu" "$video_rss"
printf 'cost: the film floor (%s, 788 x 496): CPU %s %%, peak RSS %s MB\n' "$floor_name" "$floor_cpu" "$floor_rss"
printf 'cost: the film against its floor: CPU %s x (target <= 1.15), peak RSS %s x (target <= 1.3)\n' \
  "$(ratio "$video_cpu" "$floor_cpu")" "$(ratio "$video_rss" "$floor_rss")"
