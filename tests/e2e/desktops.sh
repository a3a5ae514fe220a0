#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The show on one window manager (openbox, xfwm4 or mutter), each on a display
# of its own: the window centred with its frame, off the taskbar, with nothing
# to minimise or maximise; then the Yes road and the No road to the plea,
# every box answered with its access key.
# usage: desktops.sh WM
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

wm=${1:?usage: desktops.sh WM}

# The facts of one window: client position and size, frame extents, screen.
read_window() { # read_window ID; sets x y w h left right top bottom sw sh
  local info
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width:/ {print $2}' <<<"$info")
  h=$(awk '/Height:/ {print $2}' <<<"$info")
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r sw sh < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
}

# The frame is drawn, and placed where it stays.
wait_framed() { # wait_framed ID
  local before="" now
  for _ in $(seq 60); do
    now="$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null) $(xwininfo -id "$1" | grep Absolute)"
    [[ $now == *"= "* && $now == "$before" ]] && return 0
    before=$now
    sleep 0.1
  done
  return 1
}

within2() { (( $1 - $2 <= 2 && $2 - $1 <= 2 )); }
has_state() { xprop -id "$1" _NET_WM_STATE | grep -q "$2"; }

start_display "$wm" || exit 1
install_fake_xdg_open

# The Yes road, the window's facts on the way.
folder=$(new_program_folder "$wm yes")
printf 'ab\r\n' | write_gbk "$folder/orlessa.ini"
printf '我爱你我爱你我爱你我爱你' | write_gbk "$folder/xuanyan.ini"
start_show "$folder"
id=$(wait_window "$caption")
check "[$wm] the window opens with its caption" test -n "$id"
check "[$wm] it is framed" wait_framed "$id"
read_window "$id"
check "[$wm] the client area is 789 x 486 (saw ${w}x$h)" test "${w}x$h" = 789x486
frame_x=$((x - left)) frame_y=$((y - top))
outer_w=$((w + left + right)) outer_h=$((h + top + bottom))
check "[$wm] the frame is centred across (${frame_x} of $(((sw - outer_w) / 2)))" \
  within2 "$frame_x" $(((sw - outer_w) / 2))
check "[$wm] the frame is centred down (${frame_y} of $(((sh - outer_h) / 2)))" \
  within2 "$frame_y" $(((sh - outer_h) / 2))
check "[$wm] no taskbar entry" has_state "$id" _NET_WM_STATE_SKIP_TASKBAR
check "[$wm] no pager entry" has_state "$id" _NET_WM_STATE_SKIP_PAGER
check "[$wm] nothing to minimise" bash -c "! xprop -id $id _NET_WM_ALLOWED_ACTIONS | grep -q MINIMIZE"
check "[$wm] nothing to maximise" bash -c "! xprop -id $id _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE"
check "[$wm] nothing to resize" bash -c "! xprop -id $id _NET_WM_ALLOWED_ACTIONS | grep -q RESIZE"
check "[$wm] it can be moved and closed" bash -c "xprop -id $id _NET_WM_ALLOWED_ACTIONS | grep MOVE | grep -q CLOSE"
[[ -n ${VELMORA_SHOTS:-} ]] && { sleep 1.5; screenshot "$VELMORA_SHOTS/$wm.png"; }

# Minimised all the same (by a key or a tool), it comes back.
xdotool windowminimize "$id" 2>/dev/null
sleep 1
check "[$wm] a minimised window comes back" bash -c "xwininfo -id $id | grep -q IsViewable"

check "[$wm] the question is asked and answered Yes" answer "$question_box" alt+y
check "[$wm] the matchmaker box follows, answered No" answer "$matchmaker_box" alt+n
check "[$wm] the program ends" wait_exit "$show_pid" 10
check "[$wm] it ends cleanly" test "$(exit_code_of "$show_pid")" = 0
check "[$wm] the music file is gone" absent "$folder/Orlessa.mp3"
check "[$wm] no page was opened" test -z "$(opened)"

# The No road to the plea: the video, then the plea answered No and the vow.
folder=$(new_program_folder "$wm no")
printf 'a' | write_gbk "$folder/orlessa.ini"
printf 'b' | write_gbk "$folder/xuanyan.ini"
no_sound
start_show "$folder"
check "[$wm] the question is asked and answered No" answer "$question_box" alt+n
check "[$wm] the caption becomes the vow" wait_window "$vow_caption" 10
[[ -n ${VELMORA_SHOTS:-} ]] && { sleep 4; screenshot "$VELMORA_SHOTS/$wm-video.png"; }
check "[$wm] the plea comes when the video has ended" wait_window "$plea_box" 40
check "[$wm] both media files are gone" \
  bash -c "[[ ! -e '$folder/Orlessa.mp3' && ! -e '$folder/Orlessa.avi' ]]"
[[ -n ${VELMORA_SHOTS:-} ]] && screenshot "$VELMORA_SHOTS/$wm-plea.png"
check "[$wm] the plea is answered No" answer "$plea_box" alt+n
check "[$wm] the vow box closes the show" answer "$vow_box" Return
check "[$wm] the program ends after the plea" wait_exit "$show_pid" 10
check "[$wm] the message files stay" \
  bash -c "[[ -e '$folder/orlessa.ini' && -e '$folder/xuanyan.ini' ]]"
check "[$wm] no error box" no_error_reported
finish
