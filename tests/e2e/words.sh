#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An English show set up with the editor's --export-words and --words alone:
# its caption, the question beside the girl, English Yes/No boxes answered
# with alt+y and alt+n on both roads, the chosen page opened; German buttons;
# and a file: address refused where it is set.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

editor=${VELMORA_EDITOR_BIN:?VELMORA_EDITOR_BIN is not set (ctest sets it)}
shots=${VELMORA_SHOTS:-}
start_display
install_fake_xdg_open
no_sound

# set_word FILE KEY TEXT: the key's text, line breaks as "\n| " in TEXT.
set_word() {
  awk -v key="$2" '$0 ~ "^" key " =" { skip = 1; next } skip && /^\|/ { next } { skip = 0; print }' \
    "$1" >"$1.new" && mv "$1.new" "$1"
  printf '%s = %b\n' "$2" "$3" >>"$1"
}

folder=$(new_program_folder english)
words="$work/words.txt"
check "the words are exported" "$editor" --export-words "$words" "$folder"
check "the caption stands as the show says it" grep -qx "caption = $caption" "$words"
check "every text is there" test "$(grep -c '^[a-z.]* =' "$words")" = 16

# A refused address: exit 2, its line named, the program untouched.
cp "$words" "$work/file-address.txt"
set_word "$work/file-address.txt" address "file:///etc/passwd"
before=$(sha256sum <"$folder/velmora")
"$editor" --words "$work/file-address.txt" "$folder" 2>"$work/refused.log"
check "a file: address is refused" test $? = 2
check "with its line" grep -q "file-address.txt:$(grep -n '^address' "$work/file-address.txt" | cut -d: -f1): .*file:///etc/passwd" "$work/refused.log"
check "and nothing is written" test "$(sha256sum <"$folder/velmora")" = "$before"

set_word "$words" caption "Walk with me, Ada"
set_word "$words" question "Will you\n|\n| take the\n|\n| last step?"
set_word "$words" question.prompt "Shall we take this step?"
set_word "$words" question.title "A question"
set_word "$words" matchmaker.prompt "Let's go out!\n|\n| Shall we thank our matchmaker?"
set_word "$words" matchmaker.title "Excited"
set_word "$words" film.caption "I will win you over!!!"
set_word "$words" plea.prompt "Will you give me one chance?"
set_word "$words" plea.title "Asking again"
set_word "$words" vow.prompt "I will win you over\n|\n| ten million per cent"
set_word "$words" vow.title "Striving"
set_word "$words" address "https://example.org/thanks?from=velmora"
set_word "$words" buttons en
check "the English words are set" "$editor" --words "$words" "$folder"
check "--check lists what differs" bash -c "'$editor' --check '$folder' | grep -q '  caption = Walk with me, Ada'"

# The Yes road, with a declaration long enough for the walk to end first.
printf 'a' | write_gbk "$folder/orlessa.ini"
printf '%060d' 0 | write_gbk "$folder/xuanyan.ini"
start_show "$folder"
check "[yes] the caption is the chosen one" has_window "Walk with me, Ada" 20
check "[yes] the question box is English" has_window "A question" 60
sleep 0.5
[[ -n $shots ]] && screenshot "$shots/english-question.png"
check "[yes] answered Yes with alt+y" answer "A question" alt+y
check "[yes] the matchmaker box follows" answer "Excited" alt+y
check "[yes] the program ends" wait_exit "$show_pid" 10
check "[yes] the chosen page is opened" test "$(opened)" = "https://example.org/thanks?from=velmora"
check "[yes] the prompts are the chosen ones" grep -q "title=A question prompt=Shall we take this step?" "$show_log"

# The No road: the film under the chosen caption, the plea, the vow.
forget_opened
folder2=$(new_program_folder english-no)
cp "$folder/velmora" "$folder2/velmora"
printf 'a' | write_gbk "$folder2/orlessa.ini"
printf 'b' | write_gbk "$folder2/xuanyan.ini"
start_show "$folder2"
check "[no] answered No with alt+n" answer "A question" alt+n
check "[no] the caption becomes the chosen vow" has_window "I will win you over!!!" 10
check "[no] the plea comes" has_window "Asking again" 60
[[ -n $shots ]] && screenshot "$shots/english-plea.png"
check "[no] the plea answered No" answer "Asking again" alt+n
check "[no] the vow box is shown" has_window "Striving" 10
[[ -n $shots ]] && screenshot "$shots/english-vow.png"
check "[no] the vow box closes the show" answer "Striving" Return
check "[no] the program ends" wait_exit "$show_pid" 10
check "[no] no page is opened" test -z "$(opened)"

# German buttons: alt+j is Ja.
set_word "$words" buttons de
check "German buttons are set" "$editor" --words "$words" "$folder2"
start_show "$folder2"
check "[de] the question is asked" has_window "A question" 30
sleep 0.5
[[ -n $shots ]] && screenshot "$shots/german-question.png"
check "[de] answered Ja with alt+j" answer "A question" alt+j
check "[de] and the matchmaker Nein with alt+n" answer "Excited" alt+n
check "[de] the program ends" wait_exit "$show_pid" 10
check "[de] Yes, then No" grep -q "answered title=Excited result=$answer_no" "$show_log"
finish
