#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a fresh folder: its window, its files, its music; closing
# the window ends it and leaves the files in place.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display
start_sound
folder=$(new_program_folder "启动 测试")
start_show "$folder"

id=$(wait_window "$caption")
check "the window opens with its caption" test -n "$id"
peak=$(peak_heard 2)
check "the music is heard from the start (peak ${peak:-none} on the sink)" \
  bash -c "(( \$(echo '${peak:-0} > 0.01' | bc -l) ))"
geometry=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
check "the client area is 789 x 486 (saw $geometry)" test "$geometry" = "789x486"
check "the letter file is fresh" sha256_is "$folder/orlessa.ini" "$default_letter_sha"
check "the declaration file is fresh" sha256_is "$folder/xuanyan.ini" "$default_declaration_sha"
check "the music is written out whole" same_file "$folder/Orlessa.mp3" "$VELMORA_SOURCE/resources/music.mp3"
sleep 2
[[ -n ${VELMORA_SHOTS:-} ]] && screenshot "$VELMORA_SHOTS/stage.png"

wmctrl -c "$caption"
check "closing the window ends the program" wait_exit "$show_pid" 10
check "the files stay" present "$folder/Orlessa.mp3"
check "no box was shown" test -z "$(boxes)"
finish
