#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every road after a No: the video fills the window, its end comes once and on
# time, both media files go, and the last plea decides how the program ends.
# The first road runs with a PulseAudio null sink, the others with no sound
# server at all.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

: "${matchmaker_url:?VELMORA_MATCHMAKER_URL is not set (ctest sets it)}"
video_length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$VELMORA_SOURCE/resources/refusal.avi")
start_display
install_fake_xdg_open

# road NAME SOUND PLEA MATCHMAKER [BACKEND]: answers the question No, then the
# plea and the matchmaker box (yes or no; - where the vow box comes instead).
# With a media backend that does not exist, the film cannot play and the plea
# comes at once.
road() {
  local name=$1 sound=$2 plea=$3 matchmaker=$4 backend=${5:-} folder started ended elapsed
  local length=$video_length
  [[ -n $backend ]] && length=0
  forget_opened
  if [[ $sound == pulse ]]; then start_sound; else no_sound; fi
  folder=$(new_program_folder "$name")
  printf 'a' | write_gbk "$folder/orlessa.ini"
  printf 'b' | write_gbk "$folder/xuanyan.ini"
  start_show "$folder" ${backend:+QT_MEDIA_BACKEND=$backend}

  check "[$name] the question is asked" answer "$question_box" alt+n
  started=$(date +%s.%N)
  check "[$name] the caption becomes the vow" has_window "$vow_caption" 10
  # Where it cannot play, it may be written and gone again at once.
  [[ -n $backend ]] || check "[$name] the video is written out" present "$folder/Orlessa.avi"
  [[ -n ${VELMORA_SHOTS:-} && $name == pulse ]] && { sleep 4; screenshot "$VELMORA_SHOTS/video.png"; }
  # The question box has gone; the next box with that title is the plea.
  wait_window "$plea_box" 40 >/dev/null
  ended=$(date +%s.%N)
  elapsed=$(echo "$ended - $started" | bc -l)
  # Not before the video's end; a video whose end is never noticed brings no
  # plea at all. On a loaded machine the film may run a few seconds long.
  check "[$name] the plea comes when the video has ended (${elapsed}s for ${length}s)" \
    bash -c "(( \$(echo \"$elapsed > $length - 1 && $elapsed < $length + 10\" | bc -l) ))"
  check "[$name] both media files are gone" bash -c "[[ ! -e '$folder/Orlessa.mp3' && ! -e '$folder/Orlessa.avi' ]]"
  [[ -n ${VELMORA_SHOTS:-} && $name == pulse ]] && screenshot "$VELMORA_SHOTS/plea.png"
  answer "$plea_box" "alt+${plea:0:1}"

  if [[ $plea == no ]]; then
    check "[$name] the vow box closes the show" answer "$vow_box" Return
  else
    check "[$name] the matchmaker box follows" answer "$matchmaker_box" "alt+${matchmaker:0:1}"
  fi
  if [[ $plea == yes && $matchmaker == yes ]]; then
    sleep 1
    check "[$name] the window stays open" kill -0 "$show_pid"
    check "[$name] with the vow as its caption" has_window "$vow_caption" 2
    check "[$name] the matchmaking page was opened" test "$(opened)" = "$matchmaker_url"
    wmctrl -c "$vow_caption"
  else
    check "[$name] no page was opened" test -z "$(opened)"
  fi
  check "[$name] the program ends" wait_exit "$show_pid" 10
  check "[$name] the message files stay" bash -c "[[ -e '$folder/orlessa.ini' && -e '$folder/xuanyan.ini' ]]"
  check "[$name] no error box" no_error_reported
  check "[$name] one end only" test "$(grep -c . "$work/xdg-open.log" 2>/dev/null || echo 0)" -le 1
  check "[$name] the boxes came in order, answered as pressed" test "$(box_sequence)" = "$(expected_boxes "$plea" "$matchmaker")"
}

expected_boxes() { # expected_boxes PLEA MATCHMAKER
  local plea_result=$answer_no
  [[ $1 == yes ]] && plea_result=$answer_yes
  echo "shown buttons=$yes_no_buttons title=$question_box"
  echo "answered title=$question_box result=$answer_no"
  echo "shown buttons=$yes_no_buttons title=$plea_box"
  echo "answered title=$plea_box result=$plea_result"
  if [[ $1 == yes ]]; then
    echo "shown buttons=$yes_no_buttons title=$matchmaker_box"
    echo "answered title=$matchmaker_box result=$([[ $2 == yes ]] && echo "$answer_yes" || echo "$answer_no")"
  else
    echo "shown buttons=$ok_buttons title=$vow_box"
    echo "answered title=$vow_box result=$answer_ok"
  fi
}

road pulse pulse yes yes
road plea-yes-no silent yes no
road plea-no silent no -
road no-backend pulse no - velmora-no-such-backend
finish
