#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One show per program folder: a second start brings the first window to the
# front and ends at once with 0; a show that was killed or crashed leaves
# nothing that keeps the next start from running; nothing new in the folder.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display
folder=$(new_program_folder "one show")
other=$(new_program_folder "another show")
shots=${VELMORA_SHOTS:-}

windows() { xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | sort; }
topmost_client() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //'; }
active_window() { xdotool getactivewindow 2>/dev/null; }
is_window() { [[ $(($1)) -eq $(($2)) ]]; }
later_start() { # later_start FOLDER; its exit code
  (exec_program "$1") >"$work/later.log" 2>&1 &
  local pid=$!
  wait_exit "$pid" 10 || { kill -KILL "$pid"; echo timeout; return; }
  exit_code_of "$pid"
}

start_show "$folder"
first=$show_pid
first_window=$(wait_window "$caption")
check "the first show opens its window" test -n "$first_window"
# A show in another folder is a show of its own; its window opens on top.
start_show "$other"
for _ in $(seq 100); do [[ $(windows | wc -l) -eq 2 ]] && break; sleep 0.1; done
check "a show in another folder starts beside it" test "$(windows | wc -l)" -eq 2
other_window=$(windows | grep -vx "$first_window" | head -n1)
# Aside, so that a picture shows which window is in front.
xdotool windowmove "$other_window" 300 200
sleep 1
check "the other folder's window is in front" test "$(topmost_client)" != "$(printf '0x%x' "$first_window")"
[[ -n $shots ]] && screenshot "$shots/single-show-before.png"

code=$(later_start "$folder")
check "a second start in the first folder ends with 0 (saw $code)" test "$code" = 0
check "it opens no window of its own" test "$(windows | wc -l)" -eq 2
sleep 1
check "the first window is in front" is_window "$(topmost_client)" "$first_window"
check "the first window has the focus" is_window "$(active_window)" "$first_window"
check "the first show runs on" kill -0 "$first"
[[ -n $shots ]] && screenshot "$shots/single-show-after.png"
check "the folder holds nothing new" test "$(find "$folder" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')" \
  = "Orlessa.mp3 orlessa.ini velmora xuanyan.ini "

for signal in KILL SEGV; do
  kill -"$signal" "$first"
  wait_exit "$first" 10
  start_show "$folder"
  first=$show_pid
  for _ in $(seq 100); do [[ $(windows | wc -l) -eq 2 ]] && break; sleep 0.1; done
  check "after a show ended by SIG$signal the next start runs" kill -0 "$first"
  check "  and opens its window" test "$(windows | wc -l)" -eq 2
done
code=$(later_start "$folder")
check "that show too is the only one in its folder (exit $code)" test "$code" = 0
finish
