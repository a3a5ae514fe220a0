#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Yes road with short texts: Yes then Yes opens the matchmaking page, Yes
# then No does not; either way the music file goes and the program ends.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

: "${matchmaker_url:?VELMORA_MATCHMAKER_URL is not set (ctest sets it)}"
start_display
install_fake_xdg_open

for matchmaker in yes no; do
  forget_opened
  folder=$(new_program_folder "yes $matchmaker")
  printf 'ab\r\n' | write_gbk "$folder/orlessa.ini"
  printf '我爱你' | write_gbk "$folder/xuanyan.ini"
  start_show "$folder"
  check "[$matchmaker] the question is asked" answer "$question_box" alt+y
  check "[$matchmaker] the matchmaker box follows" answer "$matchmaker_box" "alt+${matchmaker:0:1}"
  check "[$matchmaker] the program ends" wait_exit "$show_pid" 10
  check "[$matchmaker] it ends cleanly" test "$(exit_code_of "$show_pid")" = 0
  check "[$matchmaker] the music file is gone" absent "$folder/Orlessa.mp3"
  check "[$matchmaker] the message files stay" present "$folder/orlessa.ini"
  [[ $matchmaker == yes ]] && result=$answer_yes || result=$answer_no
  check "[$matchmaker] two Yes/No boxes, answered as pressed" test "$(box_sequence)" = "\
shown buttons=$yes_no_buttons title=$question_box
answered title=$question_box result=$answer_yes
shown buttons=$yes_no_buttons title=$matchmaker_box
answered title=$matchmaker_box result=$result"
  check "[$matchmaker] the two-line prompt is reported on one line, its breaks written \\r\\n" \
    grep -qE "^velmora\.boxes: shown buttons=$yes_no_buttons title=$matchmaker_box prompt=[^\\]+(\\\\r\\\\n){2}[^\\]+\$" "$show_log"
  if [[ $matchmaker == yes ]]; then
    sleep 0.5
    check "the matchmaking page was opened" test "$(opened)" = "$matchmaker_url"
  else
    check "no page was opened" test -z "$(opened)"
  fi
done
finish
