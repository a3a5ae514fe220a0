#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The show in its window and on the whole screen, as the editor's command line
# sets it, with the window's geometry read from the X server: in its window
# 789 x 486 and centred; on the whole screen covering it, full screen, the
# stage centred on black; the refusal's road to the web page back in the window.
# usage: presentation.sh [WM]   (VELMORA_SCREEN, WIDTHxHEIGHT, sets the screen)
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

wm=${1:-openbox}
: "${VELMORA_EDITOR_BIN:?VELMORA_EDITOR_BIN is not set (ctest sets it)}"
export VELMORA_SCREEN=${VELMORA_SCREEN:-1920x1080}
start_display "$wm" || exit 1
install_fake_xdg_open

geometry_of() { # geometry_of ID: "X Y WIDTHxHEIGHT" of the client area
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w "x" h}'
}
root_size() { xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
full_screen() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
# The colour of one pixel of the screen, as "r,g,b".
pixel() { # pixel X Y
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null \
    | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1
}
short_texts() { # short_texts FOLDER
  printf 'ab\r\n' | write_gbk "$1/orlessa.ini"
  printf '我爱你' | write_gbk "$1/xuanyan.ini"
}
# Waits until the window's geometry has stayed the same for a moment.
settled_geometry() { # settled_geometry ID
  local before="" now
  for _ in $(seq 40); do
    now=$(geometry_of "$1")
    [[ $now == "$before" ]] && break
    before=$now
    sleep 0.1
  done
  echo "$now"
}

read -r screen_w screen_h < <(root_size | tr x ' ')

# In its window: as built.
folder=$(new_program_folder "window")
short_texts "$folder"
check "[$wm] --presentation window is taken" "$VELMORA_EDITOR_BIN" --presentation window "$folder"
start_show "$folder"
id=$(wait_window "$caption")
check "[$wm] the window opens" test -n "$id"
sleep 1
read -r x y size < <(settled_geometry "$id")
check "[$wm] in its window: 789 x 486 (saw $size)" test "$size" = 789x486
check "[$wm] centred across ($x)" test $((x + 789 / 2 - screen_w / 2)) -le 2 -a $((screen_w / 2 - x - 789 / 2)) -le 2
check "[$wm] not full screen" bash -c "! xprop -id $id _NET_WM_STATE | grep -q FULLSCREEN"
check "[$wm] the question is answered Yes" answer "$question_box" alt+y
check "[$wm] the matchmaker box No" answer "$matchmaker_box" alt+n
check "[$wm] the window's show ends cleanly" wait_exit "$show_pid" 10
check "[$wm] with code 0" test "$(exit_code_of "$show_pid")" = 0

# On the whole screen: the Yes road.
folder=$(new_program_folder "screen yes")
short_texts "$folder"
check "[$wm] --presentation screen is taken" "$VELMORA_EDITOR_BIN" --presentation screen "$folder"
check "[$wm] --check names it" bash -c "'$VELMORA_EDITOR_BIN' --check '$folder' | grep -q '^演出方式：在整个屏幕上'"
start_show "$folder"
id=$(wait_window "$caption")
check "[$wm] the whole-screen window opens" test -n "$id"
sleep 1.5
read -r x y size < <(settled_geometry "$id")
check "[$wm] it covers the screen (saw $size at $x,$y)" test "$x $y $size" = "0 0 ${screen_w}x$screen_h"
check "[$wm] as a full-screen window" full_screen "$id"
check "[$wm] the window manager did not refuse it" bash -c "! grep -q 'whole screen' '$show_log'"
check "[$wm] beside the stage, black" test "$(pixel 0 0)" = 0,0,0
check "[$wm] the stage in the middle" test "$(pixel $((screen_w / 2)) $((screen_h - 5)))" != 0,0,0
[[ -n ${VELMORA_SHOTS:-} ]] && screenshot "$VELMORA_SHOTS/$wm-screen-letter.png"
check "[$wm] the question is answered Yes" answer "$question_box" alt+y
check "[$wm] the matchmaker box No" answer "$matchmaker_box" alt+n
check "[$wm] the whole-screen show ends cleanly" wait_exit "$show_pid" 10
check "[$wm] with code 0" test "$(exit_code_of "$show_pid")" = 0
check "[$wm] the music file is gone" absent "$folder/Orlessa.mp3"

# On the whole screen: No, the film, and the plea's road to the web page,
# which leaves the show in its own window.
folder=$(new_program_folder "screen no")
printf 'a' | write_gbk "$folder/orlessa.ini"
printf '我' | write_gbk "$folder/xuanyan.ini"
"$VELMORA_EDITOR_BIN" --presentation screen "$folder" >/dev/null
forget_opened
start_show "$folder"
check "[$wm] the question is answered No" answer "$question_box" alt+n
check "[$wm] the film plays with the vow as caption" has_window "$vow_caption" 10
id=$(wait_window "$vow_caption")
read -r x y size < <(geometry_of "$id")
check "[$wm] the film on the whole screen (saw $size)" test "$size" = "${screen_w}x$screen_h"
check "[$wm] the plea is answered Yes" answer "$plea_box" alt+y 40
check "[$wm] the matchmaker box Yes" answer "$matchmaker_box" alt+y
sleep 1
check "[$wm] the page is opened" test "$(opened)" = "$matchmaker_url"
id=$(wait_window "$vow_caption")
read -r x y size < <(settled_geometry "$id")
check "[$wm] the show is back in its window (saw $size)" test "$size" = 789x486
check "[$wm] no longer full screen" bash -c "! xprop -id $id _NET_WM_STATE | grep -q FULLSCREEN"
check "[$wm] and stays open" kill -0 "$show_pid"
finish
