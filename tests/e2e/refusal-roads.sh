#!/usr/bin/env bash
# Every road after a No: the video fills the window, its end comes once and on
# time, both media files go, and the last plea decides how the program ends.
# The first road runs with a PulseAudio null sink, the others with no sound
# server at all.
source "$(dirname "$0")/lib.sh"

address=$VELMORA_MATCHMAKER_URL
video_length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$VELMORA_SOURCE/resources/refusal.avi")
start_display
install_fake_xdg_open

# road NAME SOUND PLEA MATCHMAKER: answers the question No, then the plea and
# the matchmaker box (or the vow box) with the keys given.
road() {
  local name=$1 sound=$2 plea=$3 matchmaker=$4 folder started ended elapsed
  rm -f "$work/xdg-open.log"
  if [[ $sound == pulse ]]; then start_sound; else no_sound; fi
  folder=$(new_program_folder "$name")
  printf 'a' | write_gbk "$folder/orlessa.ini"
  printf 'b' | write_gbk "$folder/xuanyan.ini"
  start_show "$folder"

  check "[$name] the question is asked" answer "询问" alt+n
  started=$(date +%s.%N)
  check "[$name] the caption becomes the vow" wait_window "我一定要追到你!!!" 10
  check "[$name] the video is written out" present "$folder/Orlessa.avi"
  [[ -n ${VELMORA_SHOTS:-} && $name == pulse ]] && { sleep 4; screenshot "$VELMORA_SHOTS/video.png"; }
  # The question box is gone; the next box titled 询问 is the plea.
  while xdotool search --onlyvisible --name '^询问$' >/dev/null 2>&1; do sleep 0.05; done
  wait_window "询问" 40 >/dev/null
  ended=$(date +%s.%N)
  elapsed=$(echo "$ended - $started" | bc -l)
  check "[$name] the plea comes when the video has ended (${elapsed}s for ${video_length}s)" \
    bash -c "(( \$(echo \"$elapsed > $video_length - 1 && $elapsed < $video_length + 1.5\" | bc -l) ))"
  check "[$name] both media files are gone" bash -c "[[ ! -e '$folder/Orlessa.mp3' && ! -e '$folder/Orlessa.avi' ]]"
  [[ -n ${VELMORA_SHOTS:-} && $name == pulse ]] && screenshot "$VELMORA_SHOTS/plea.png"
  answer "询问" "$plea"

  if [[ $plea == alt+n ]]; then
    check "[$name] the vow box closes the show" answer "奋斗" Return
  else
    check "[$name] the matchmaker box follows" answer "兴奋" "$matchmaker"
  fi
  if [[ $plea == Return && $matchmaker == Return ]]; then
    sleep 1
    check "[$name] the window stays open" kill -0 "$show_pid"
    check "[$name] with the vow as its caption" wait_window "我一定要追到你!!!" 2
    check "[$name] the matchmaking page was opened" test "$(opened)" = "$address"
    wmctrl -c "我一定要追到你!!!"
  else
    check "[$name] no page was opened" test -z "$(opened)"
  fi
  check "[$name] the program ends" wait_exit "$show_pid" 10
  check "[$name] the message files stay" bash -c "[[ -e '$folder/orlessa.ini' && -e '$folder/xuanyan.ini' ]]"
  check "[$name] no error box" bash -c "! xdotool search --name '^Velmora\$' >/dev/null"
  check "[$name] one end only" test "$(grep -c . "$work/xdg-open.log" 2>/dev/null || echo 0)" -le 1
}

road pulse pulse Return Return
road plea-yes-no silent Return alt+n
road plea-no silent alt+n -
finish
