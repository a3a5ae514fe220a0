#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The preparer's work is never lost: a change made elsewhere while the editor
# is open (read again quietly, or the box and each of its three answers, with
# the files after each); a second editor on the folder brings the first
# forward; after kill -9 the typed text comes back from its recovery copy.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display
export XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
shots=${VELMORA_SHOTS:-}
folder="$work/our letters"
mkdir -p "$folder"
letter="$folder/orlessa.ini"
printf 'first\r\n' >"$letter"
title="our letters — Velmora 编辑器"
box="Velmora 编辑器"

start_editor() { # start_editor FOLDER; sets editor_pid
  "$VELMORA_EDITOR_BIN" "$1" >>"$work/editor.log" 2>&1 &
  editor_pid=$!
  pids+=("$editor_pid")
}
focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"; }
# Written elsewhere as editors write: a new file renamed into place.
write_elsewhere() { printf '%s\r\n' "$1" >"$letter.new" && mv "$letter.new" "$letter"; }
letter_is() { [[ $(cat "$letter") == "$1"$'\r' ]]; }
save_and_wait() { xdotool key ctrl+s; sleep 0.7; }

start_editor "$folder"
first_pid=$editor_pid
id=$(wait_window "$title")
check "the editor opens" test -n "$id"
sleep 0.5
focus "$id"

# Nothing unsaved: read again without a word; what is typed next goes on from there.
write_elsewhere "theirs"
sleep 1
check "no box for a change while nothing is unsaved" bash -c "! xdotool search --onlyvisible --name '^$box\$' | grep -q ."
xdotool key ctrl+End
xdotool type --delay 30 "+"
save_and_wait
check "the window had read the change again (saw $(tr -d '\r' <"$letter" | tr '\n' '|'))" \
  test "$(cat "$letter")" = $'theirs\r\n+'

# Unsaved changes: the box, each answer in turn.
ask_after_change() { # ask_after_change TYPED THEIRS
  xdotool key ctrl+End
  xdotool type --delay 30 "$1"
  sleep 0.3
  write_elsewhere "$2"
  wait_window "$box" 10 >/dev/null
}
check "keep mine: the box asks" ask_after_change " mine" "theirs again"
[[ -n $shots ]] && screenshot "$shots/changed-on-disk.png"
answer "$box" alt+k
check "  the file is still theirs until saved" letter_is "theirs again"
focus "$id"; save_and_wait
check "  saving writes mine over it" test "$(cat "$letter")" = $'theirs\r\n+ mine'

check "read again: the box asks" ask_after_change " lost" "theirs, read again"
answer "$box" alt+r
sleep 0.3
focus "$id"; save_and_wait
check "  the window holds theirs, and saving keeps it" letter_is "theirs, read again"
check "  the title says nothing is unsaved" has_window "$title" 3

check "save mine as: the box asks" ask_after_change " kept aside" "theirs at last"
answer "$box" alt+a
dialog=$(wait_window "把我的文字另存为" 10)
check "  a file dialog opens" test -n "$dialog"
sleep 0.5
focus "$dialog"
xdotool key Return
for _ in $(seq 100); do [[ -s "$folder/orlessa（我的）.ini" ]] && break; sleep 0.05; done
check "  mine is in the file chosen" \
  test "$(cat "$folder/orlessa（我的）.ini")" = $'theirs, read again\r\n kept aside'
check "  the letter is theirs" letter_is "theirs at last"
check "  the window holds theirs, nothing unsaved" has_window "$title" 3

# A deleted letter: saying so, and a save writes it again.
rm "$letter"
sleep 1
check "a deleted letter counts as unsaved" has_window "our letters\\* — Velmora 编辑器" 3
focus "$id"; save_and_wait
check "  saving writes it again" letter_is "theirs at last"

# A command-line run beside the open editor.
(unset DISPLAY; "$VELMORA_EDITOR_BIN" --check "$folder") >"$work/check.out" 2>&1
check "the check runs beside the open editor" test $? -le 1

# A second editor on the folder: the first comes forward, the second ends with 0.
other="$work/another folder"
mkdir -p "$other"
start_editor "$other"
other_pid=$editor_pid
other_id=$(wait_window "another folder — Velmora 编辑器")
check "an editor on another folder opens beside it" test -n "$other_id"
sleep 0.5
focus "$other_id"
"$VELMORA_EDITOR_BIN" "$folder" >"$work/second.log" 2>&1 &
second=$!
wait_exit "$second" 10
check "a second editor on the first folder ends with 0" test "$(exit_code_of "$second")" = 0
sleep 0.7
check "  the first editor's window has come forward" test "$(($(xdotool getactivewindow)))" = "$((id))"
check "  it opened no window of its own" test "$(windows_titled "$title" | wc -l)" = 1
kill "$other_pid"

# Killed with unsaved text: offered back at the next start.
focus "$id"
xdotool key ctrl+End
xdotool type --delay 30 " typed then killed"
sleep 3
copies=("$XDG_STATE_HOME"/velmora-editor/*.recovery)
check "a recovery copy is kept in the user's state folder" test -s "${copies[0]}"
check "  and nothing new in the show's folder" \
  test "$(find "$folder" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')" = "orlessa.ini orlessa（我的）.ini xuanyan.ini "
kill -KILL "$first_pid"
wait_exit "$first_pid" 10
before=$(cat "$letter")
start_editor "$folder"
check "after kill -9 the editor starts again on the folder" has_window "$title" 20
check "  and offers the recovery copy" has_window "$box" 10
[[ -n $shots ]] && screenshot "$shots/recovery-offer.png"
answer "$box" Return
check "  the letter on disk is as it was" test "$(cat "$letter")" = "$before"
id=$(wait_window "our letters\\* — Velmora 编辑器" 5)
check "  restored, the text counts as unsaved" test -n "$id"
focus "$id"; save_and_wait
check "  saved, the typed text is in the letter" test "$(cat "$letter")" = $'theirs at last\r\n typed then killed'
check "  and the recovery copy is gone" bash -c "! ls '$XDG_STATE_HOME'/velmora-editor/*.recovery 2>/dev/null | grep -q ."
wmctrl -c "$title"
check "the editor closes" wait_exit "$editor_pid" 10
finish
