#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Yes/No box has no cancel. Escape, a close request straight to the box (as
# a window manager sends for its ×), the window manager's own close and
# Alt+F4 leave the question and the plea standing and the window behind them
# as it was, and the window itself cannot be closed while a box waits; only
# Yes or No answers, here by their mnemonics.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display
install_fake_xdg_open
no_sound
folder=$(new_program_folder boxes)
printf 'a' | write_gbk "$folder/orlessa.ini"
# Long enough for the walk to end before the question, so the stage is still.
printf '如果我们之间有100步的距离  我会勇敢地向你走出99步  只要你向我走剩下的一步  我会用我所有的力量关心你  保护你' |
  write_gbk "$folder/xuanyan.ini"
start_show "$folder"

box_up() { windows_titled "$1" | grep -qx "$2"; }
still() { # still BEFORE AFTER: the two pictures differ in no pixel
  local differ
  differ=$(compare -metric AE "$1" "$2" null: 2>&1)
  [[ $differ == 0 ]] || { echo "     $differ pixels differ" >&2; return 1; }
}

# stands TITLE CAPTION NAME: every way of dismissing the box but an answer.
stands() {
  local title=$1 caption=$2 name=$3 box window
  box=$(wait_window "$title" 60) || { check "[$name] the box comes" false; return 1; }
  window=$(wait_window "$caption" 5)
  sleep 0.5
  xdotool windowactivate --sync "$box" >/dev/null 2>&1
  import -window "$window" "$work/$name-before.png"

  xdotool key --clearmodifiers Escape
  sleep 0.5
  check "[$name] Escape leaves the box standing" box_up "$title" "$box"
  [[ -n ${VELMORA_SHOTS:-} ]] && screenshot "$VELMORA_SHOTS/$name-after-escape.png"
  "$VELMORA_WM_DELETE" "$box"
  sleep 0.5
  check "[$name] a close request (the title bar's ×) leaves it standing" box_up "$title" "$box"
  wmctrl -i -c "$box"
  sleep 0.5
  check "[$name] the window manager's close leaves it standing" box_up "$title" "$box"
  xdotool windowactivate --sync "$box" >/dev/null 2>&1
  xdotool key --clearmodifiers alt+F4
  sleep 0.5
  check "[$name] Alt+F4 leaves it standing" box_up "$title" "$box"
  "$VELMORA_WM_DELETE" "$window"
  sleep 0.5
  check "[$name] closing the window behind it waits for the answer" box_up "$title" "$box"
  check "[$name] the box does not offer to close" \
    bash -c "xprop -id $box _MOTIF_WM_HINTS | grep -q '= 0x1, 0x6,'"
  import -window "$window" "$work/$name-after.png"
  check "[$name] the window behind it is as it was" still "$work/$name-before.png" "$work/$name-after.png"
  check "[$name] the show runs on" kill -0 "$show_pid"
  xdotool windowactivate --sync "$box" >/dev/null 2>&1
}

stands "询问" "Velmora  BY Tarsune" question
xdotool key --clearmodifiers alt+n
check "[question] No by its mnemonic starts the film" bash -c "$(declare -f windows_titled wait_window); wait_window '我一定要追到你!!!' 10 >/dev/null"
while windows_titled '询问' | grep -q .; do sleep 0.05; done

stands "询问" "我一定要追到你!!!" plea
xdotool key --clearmodifiers alt+y
check "[plea] Yes by its mnemonic brings the matchmaker box" answer "兴奋" alt+n
check "the matchmaker's No ends the show" wait_exit "$show_pid" 10
check "no page was opened" test -z "$(opened)"
check "no error box" bash -c "! grep -q '运行时错误' '$work/velmora.log'"
finish
