#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The editor under a real display: typing into the letter, Ctrl+S, the bytes
# on disk; an emoji saved as UTF-8 with a mark; closing with unsaved changes;
# the check without any display.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display
folder="$work/我们的 表白"
mkdir -p "$folder"
"$VELMORA_EDITOR_BIN" "$folder" >"$work/editor.log" 2>&1 &
editor_pid=$!
pids+=("$editor_pid")

title="我们的 表白 — Velmora 编辑器"
id=$(wait_window "$title")
check "the window opens, titled with the folder" test -n "$id"
sleep 0.5
xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
xdotool type --delay 30 "Hi"
xdotool key Return
xdotool type --delay 30 "there"
id_modified=$(wait_window "我们的 表白\\* — Velmora 编辑器" 5)
check "the title marks unsaved changes" test -n "$id_modified"
xdotool key ctrl+s
for _ in $(seq 100); do [[ -s $folder/xuanyan.ini ]] && break; sleep 0.05; done

letter_tail=$(tail -c 11 "$folder/orlessa.ini" | od -An -c | tr -s ' ')
check "the typed text ends the letter with CR LF line ends (saw$letter_tail)" \
  test "$letter_tail" = " \r \n H i \r \n t h e r e"
check "the letter is GBK and begins with the default text" \
  test "$(head -c 4 "$folder/orlessa.ini" | od -An -tx1 | tr -d ' ')" = "ced2c3c7"
check "no line feed without its carriage return" \
  test "$(tr -cd '\n' <"$folder/orlessa.ini" | wc -c)" = "$(grep -c $'\r$' "$folder/orlessa.ini")"
check "the declaration is written too" test -s "$folder/xuanyan.ini"
check "the title is clean after saving" test -n "$(wait_window "$title" 5)"
check "no temporary file is left behind" test "$(find "$folder" -mindepth 1 | wc -l)" = 2

# An emoji does not fit GBK: the letter goes out as UTF-8 with a mark.
# xdotool types a character outside the keymap through a key it remaps for a
# moment, and on a loaded machine the window can read that key after it was
# mapped back: it is typed again, up to three times, until the letter holds it.
for _ in 1 2 3; do
  xdotool type --delay 150 "x💖y"
  sleep 0.5
  xdotool key ctrl+s
  sleep 0.5
  tail -c 6 "$folder/orlessa.ini" | od -An -tx1 | tr -d ' ' | grep -q 78f09f929679 && break
done
check "a letter with an emoji is saved as UTF-8 with a mark" \
  test "$(head -c 3 "$folder/orlessa.ini" | od -An -tx1 | tr -d ' ')" = "efbbbf"
check "the emoji is in the file" bash -c "tail -c 6 '$folder/orlessa.ini' | od -An -tx1 | tr -d ' ' | grep -q 78f09f929679"

# Closing with unsaved changes asks; Alt+S saves and closes.
xdotool type --delay 30 "!"
sleep 0.3
wmctrl -c "Velmora 编辑器"
answer "Velmora 编辑器" alt+s
check "closing after the question ends the editor" wait_exit "$editor_pid" 10
check "the last keystroke was saved" bash -c "tail -c 1 '$folder/orlessa.ini' | grep -q '!'"

# Rehearsing saves, then starts the show from the folder.
rehearsal=$(new_program_folder "彩排")
"$VELMORA_EDITOR_BIN" "$rehearsal" >"$work/editor2.log" 2>&1 &
editor_pid=$!
pids+=("$editor_pid")
id=$(wait_window "$(basename "$rehearsal") — Velmora 编辑器")
check "the editor opens on the show's folder" test -n "$id"
xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
xdotool type --delay 30 "Rehearse"
xdotool key F5
show_id=$(wait_window "$caption" 20)
check "F5 starts the show" test -n "$show_id"
check "the letter was saved before it started" bash -c "tail -c 8 '$rehearsal/orlessa.ini' | grep -q Rehearse"
check "the show runs in that folder" bash -c "for _ in \$(seq 100); do [[ -s '$rehearsal/Orlessa.mp3' ]] && exit 0; sleep 0.05; done; exit 1"
wmctrl -c "$caption"
wmctrl -c "Velmora 编辑器"
check "the editor closes without asking once everything is saved" wait_exit "$editor_pid" 10
for _ in $(seq 100); do has_window "$caption" 0 || break; sleep 0.05; done

# The check needs no display.
(unset DISPLAY; "$VELMORA_EDITOR_BIN" --check "$folder") >"$work/check.out" 2>&1
status=$?
check "the check passes for the saved texts (status $status)" test "$status" = 0
check "the check names the encoding" grep -q "orlessa.ini：UTF-8（带字节顺序标记）" "$work/check.out"
check "the check shows the timeline" grep -q "时间线：" "$work/check.out"
check "the check wrote nothing" test "$(find "$folder" -mindepth 1 | wc -l)" = 2
(unset DISPLAY; "$VELMORA_EDITOR_BIN" --check "$work/no such folder") >/dev/null 2>&1
status=$?
check "an unreadable folder is status 2 (saw $status)" test "$status" = 2
finish
