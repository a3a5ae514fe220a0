#!/usr/bin/env bash
# The Yes road with short texts: Yes then Yes opens the matchmaking page, Yes
# then No does not; either way the music file goes and the program ends.
source "$(dirname "$0")/lib.sh"

address=$VELMORA_MATCHMAKER_URL
start_display
install_fake_xdg_open

for matchmaker in Return alt+n; do
  rm -f "$work/xdg-open.log"
  folder=$(new_program_folder "yes $matchmaker")
  printf 'ab\r\n' | write_gbk "$folder/orlessa.ini"
  printf '我爱你' | write_gbk "$folder/xuanyan.ini"
  start_show "$folder"
  check "[$matchmaker] the question is asked" answer "询问" Return
  check "[$matchmaker] the matchmaker box follows" answer "兴奋" "$matchmaker"
  check "[$matchmaker] the program ends" wait_exit "$show_pid" 10
  check "[$matchmaker] it ends cleanly" test "$(exit_code_of "$show_pid")" = 0
  check "[$matchmaker] the music file is gone" absent "$folder/Orlessa.mp3"
  check "[$matchmaker] the message files stay" present "$folder/orlessa.ini"
  if [[ $matchmaker == Return ]]; then
    sleep 0.5
    check "the matchmaking page was opened" test "$(opened)" = "$address"
  else
    check "no page was opened" test -z "$(opened)"
  fi
done
finish
