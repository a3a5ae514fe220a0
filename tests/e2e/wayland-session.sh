#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started in a Wayland session that also offers an X server, the show comes up
# on X11: centred with its frame, off the taskbar, its question box over it.
# A platform the user chose is left alone.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display || exit 1

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=velmora-wayland --idle-time=0 \
  >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/velmora-wayland ]] && break; sleep 0.05; done
check "the Wayland compositor runs" test -S "$XDG_RUNTIME_DIR/velmora-wayland"
export WAYLAND_DISPLAY=velmora-wayland XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

folder=$(new_program_folder "wayland session")
printf 'a' | write_gbk "$folder/orlessa.ini"
printf 'b' | write_gbk "$folder/xuanyan.ini"
start_show "$folder"
id=$(wait_window "$caption")
check "the window comes up on the X server" test -n "$id"
check "off the taskbar" bash -c "xprop -id '$id' _NET_WM_STATE | grep -q SKIP_TASKBAR"
sleep 0.5
read -r x y < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
check "centred with its frame (frame at $((x - left)),$((y - top)))" \
  test "$(((x - left) - (1280 - 789 - left - right) / 2))" -ge -2 -a \
       "$(((x - left) - (1280 - 789 - left - right) / 2))" -le 2 -a \
       "$(((y - top) - (800 - 486 - top - bottom) / 2))" -ge -2 -a \
       "$(((y - top) - (800 - 486 - top - bottom) / 2))" -le 2
box=$(wait_window "$question_box" 30)
check "the question box comes up on the X server" test -n "$box"
read -r bx by < <(xwininfo -id "$box" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
check "over the window" test "$bx" -gt "$x" -a "$bx" -lt $((x + 789)) -a "$by" -gt "$y" -a "$by" -lt $((y + 486))
answer "$question_box" alt+y
answer "$matchmaker_box" alt+n
check "the program ends" wait_exit "$show_pid" 10
check "it ends cleanly" test "$(exit_code_of "$show_pid")" = 0

# A platform chosen by the user is kept: off screen, no window on X.
folder=$(new_program_folder "chosen platform")
export QT_QPA_PLATFORM=offscreen
start_show "$folder"
sleep 3
check "the chosen platform is kept" bash -c "$(declare -f windows_titled); kill -0 $show_pid && ! windows_titled '$caption' | grep -q ."
kill "$show_pid" 2>/dev/null
finish
