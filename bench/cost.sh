#!/usr/bin/env bash
# Cost: CPU (share of one core) and peak resident memory while the letter is
# typed with music playing, and while the refusal video plays.
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
sleep 1
video_cpu=$(cpu_share "$show_pid" 10)
video_rss=$(peak_rss_mb "$show_pid")
kill "$show_pid"; wait "$show_pid" 2>/dev/null

printf 'cost: typing with music: CPU %s %% of one core (target <= 1 %%), peak RSS %s MB (target <= 80 MB)\n' "$typing_cpu" "$typing_rss"
printf 'cost: refusal video:     CPU %s %% of one core (target <= 20 %%), peak RSS %s MB (target <= 160 MB)\n' "$video_cpu" "$video_rss"
