#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One case of the bad-input sweep: the real program against awkward message
# files, folders standing where its files belong, read-only and full folders,
# a window closed or a process killed halfway, and a desktop without a
# browser, a sound server or a display. cases.txt names the cases; ctest runs
# each as a test of its own (sweep-NAME), with its own display and folder.
# usage: sweep.sh CASE

# Bind and tmpfs mounts stay inside a mount namespace of our own, so that not
# even a killed case leaves them behind.
if [[ -z ${VELMORA_SWEEP_NAMESPACE:-} && $(id -u) == 0 ]] &&
  unshare -m --propagation private true 2>/dev/null; then
  VELMORA_SWEEP_NAMESPACE=1 exec unshare -m --propagation private bash "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/lib.sh
source "$here/../e2e/lib.sh"

# The case's line in cases.txt: NAME LIMIT FUNCTION [ARGS...] | EXPECTED
case_line=$(awk -v name="${1:-}" '$1 == name' "$here/cases.txt")
if [[ -z ${1:-} || -z $case_line ]]; then
  echo "usage: sweep.sh CASE, one of:" >&2
  awk '/^[a-z]/ { print "  " $1 }' "$here/cases.txt" >&2
  exit 2
fi
read -r case_name _ case_function case_arguments <<<"${case_line%%|*}"
case_expected=${case_line#*| }

unset QT_QPA_PLATFORM
music="$VELMORA_SOURCE/resources/music.mp3"
video="$VELMORA_SOURCE/resources/refusal.avi"

# Once the processes have gone: immutable flags first, then the mounts, the
# last made first.
release_all() {
  local file point
  if [[ -f $work/immutable ]]; then
    while IFS= read -r file; do chattr -i "$file" 2>/dev/null; done <"$work/immutable"
    rm -f "$work/immutable"
  fi
  if [[ -f $work/mounts ]]; then
    tac "$work/mounts" | while IFS= read -r point; do umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null; done
    rm -f "$work/mounts"
  fi
}
trap 'stop_processes; release_all; cleanup' EXIT

# ---------------------------------------------------------------------------
# Within a case.

window() { # window [SECONDS]; sets win
  win=$(wait_window "$caption" "${1:-30}") && return 0
  if alive; then
    fail "the window opens (none after ${1:-30}s, still running)"
  else
    fail "the window opens (ended with code $(exit_code_of "$show_pid"))"
  fi
  return 1
}

marked() { grep -q "$1" "$show_log"; }
wait_mark() { # wait_mark MOMENT SECONDS
  local deadline=$((SECONDS + $2))
  until marked "$1"; do
    ((SECONDS < deadline)) || return 1
    kill -0 "$show_pid" 2>/dev/null || return 1
    sleep 0.1
  done
}

# Answers the box titled TITLE: yes or no on a Yes/No box, ok on an OK box.
reply() { # reply TITLE yes|no|ok [SECONDS [NAME]]
  local title=$1 word=$2 name=${4:-$(english "$1")} key
  case $word in yes) key=alt+y ;; no) key=alt+n ;; ok) key=Return ;; esac
  if ! answer "$title" "$key" "${3:-30}" 2>/dev/null; then
    if windows_titled "$title" | grep -q .; then fail "box $name takes $word"; else fail "box $name comes"; fi
    return 1
  fi
  note "$name $word"
}
english() {
  case $1 in "$question_box") echo question ;; "$matchmaker_box") echo matchmaker ;; "$vow_box") echo vow ;; *) echo "$1" ;; esac
}

no_error_box() {
  no_error_reported && ! windows_titled "$error_box_title" | grep -q .
}

# The run-time error box: which number it reports, then OK.
error_box() { # error_box NUMBER [SECONDS]
  local id number
  if ! id=$(wait_window "$error_box_title" "${2:-20}"); then
    if alive; then fail "error box $1 (none after ${2:-20}s)"; else fail "error box $1 (ended with code $(exit_code_of "$show_pid"))"; fi
    return 1
  fi
  sleep 0.3
  number=$(error_number)
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers Return
  check "error box $1 (it said ${number:-nothing})" test "$number" = "$1"
}

ends_with() { # ends_with CODE [SECONDS]
  local code
  if ! wait_exit "$show_pid" "${2:-15}"; then
    fail "exit $1 (still running after ${2:-15}s)"
    return 1
  fi
  code=$(exit_code_of "$show_pid")
  if ((code >= 128)) || grep -qE 'Aborted|Segmentation|core dumped' "$show_log"; then
    fail "exit $1 (crashed: code $code)"
    return 1
  fi
  check "exit $1 (got $code)" test "$code" = "$1"
}

close_window() { wmctrl -F -c "${1:-$caption}"; }

alive() { kill -0 "$show_pid" 2>/dev/null; }

# Files the user made must come out of the run byte for byte the same, and
# not even rewritten with the same bytes.
keep() {
  local file
  mkdir -p "$work/kept"
  for file in "$@"; do
    printf '%s\n' "$file" >>"$work/kept/list"
    cp -a "$file" "$work/kept/$(wc -l <"$work/kept/list")"
  done
}
kept() {
  local n=0 file
  while IFS= read -r file; do
    n=$((n + 1))
    cmp -s "$file" "$work/kept/$n" || return 1
    [[ $(stat -c %y "$file") == "$(stat -c %y "$work/kept/$n")" ]] || return 1
  done <"$work/kept/list"
}

# The window's pixels, raw, so that two of them compare with cmp.
grab() { # grab FILE [GEOMETRY]
  import -window "$win" ${2:+-crop "$2"} +repage -depth 8 "rgb:$1" 2>/dev/null
}
same_picture() { [[ -s $1 && -s $2 ]] && cmp -s "$1" "$2"; }
different_picture() { [[ -s $1 && -s $2 ]] && ! cmp -s "$1" "$2"; }
typing_goes_on() {
  sleep 1
  grab "$work/a.rgb"
  sleep 2
  grab "$work/b.rgb"
  different_picture "$work/a.rgb" "$work/b.rgb"
}

mount_ro() { # mount_ro PATH: the file or folder itself becomes read-only
  mount --bind "$1" "$1" 2>/dev/null || return 1
  printf '%s\n' "$1" >>"$work/mounts"
  mount -o remount,ro,bind "$1" "$1" 2>/dev/null
}
can_mount() { [[ $(id -u) == 0 ]]; }

only_files() { # only_files FOLDER NAME...: the folder holds exactly these
  local want have
  want=$(printf '%s\n' "${@:2}" | sort)
  have=$(ls -A "$1" | sort)
  [[ $want == "$have" ]]
}

elapsed_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }'; }

short_messages() { # short_messages FOLDER [LETTER [DECLARATION]]
  printf '%s' "${2-a}" | write_gbk "$1/orlessa.ini"
  printf '%s' "${3-b}" | write_gbk "$1/xuanyan.ini"
}

# ---------------------------------------------------------------------------
# The cases.

declaration12="如果我们之间有一百步的距离"
letter_text="我爱你，亲爱的姑娘。"

letter_bytes() { # letter_bytes KIND: the letter file's bytes on standard output
  case $1 in
    empty) ;;
    1mb)
      seq 1 20000 | awk '{ printf "第%d行：我们在最青春的时候相遇，那年的风很轻，阳光很暖，你笑得干净明亮。\r\n", $1 }' |
        iconv -f UTF-8 -t GBK | head -c 1048576 ;;
    garbage) seq 1 100000 | gzip -n -9 | head -c 50000 ;;
    bad-gbk) printf 'a\x81b\xff\xd6\xd0\x81 \x80\xfe\xffc\x81' ;;
    gbk) printf '%s' "$letter_text" | iconv -f UTF-8 -t GBK ;;
    utf8) printf '%s' "$letter_text" ;;
    utf8-bom) printf '\xef\xbb\xbf%s' "$letter_text" ;;
    utf16le-bom) printf '\xff\xfe'; printf '%s' "$letter_text" | iconv -f UTF-8 -t UTF-16LE ;;
    utf16be-bom) printf '\xfe\xff'; printf '%s' "$letter_text" | iconv -f UTF-8 -t UTF-16BE ;;
    html) printf '<b>bold</b><img src=x.png>' ;;
    no-final-break) printf '第一行\r\n第二行\r\n第三行' | iconv -f UTF-8 -t GBK ;;
  esac
}

# A letter file of the given kind: the window opens, the typing goes on, no
# error; the files stay as they were; closing ends the program. Letters in
# other encodings are compared, once typed, with the same text in GBK, shown
# first by a run of its own.
case_letter() {
  local kind=$1
  case $kind in
    utf8 | utf8-bom | utf16le-bom | utf16be-bom)
      note "first the letter in GBK, to compare with"
      show_letter gbk || return 1
      note "then the letter in $kind" ;;
  esac
  show_letter "$kind" || return 1
  case $kind in
    utf8 | utf8-bom | utf16le-bom | utf16be-bom)
      check "shown as the GBK letter" same_picture "$work/letter-$kind.rgb" "$work/letter-gbk.rgb" ;;
  esac
}

# One run of the show on a letter of the given kind; a letter that is to be
# compared is typed to the end and its picture kept in $work/letter-KIND.rgb.
show_letter() { # show_letter KIND
  local kind=$1 folder started
  folder=$(new_program_folder "letter $kind")
  letter_bytes "$kind" >"$folder/orlessa.ini"
  printf '%s' "$declaration12" | write_gbk "$folder/xuanyan.ini"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  started=$(date +%s.%N)
  start_show "$folder"
  window 60 || return 1
  [[ $kind == 1mb ]] && note "window after $(elapsed_since "$started")s"
  check "typing goes on" typing_goes_on
  check "no error box" no_error_box
  check "running" alive || return 1
  case $kind in
    gbk | utf8 | utf8-bom | utf16le-bom | utf16be-bom | html)
      wait_mark "letter complete" 30 || { fail "letter typed to the end"; return 1; }
      sleep 0.3
      grab "$work/letter-$kind.rgb" 789x340+0+0
      [[ -n ${VELMORA_SHOTS:-} ]] &&
        convert -size 789x340 -depth 8 "rgb:$work/letter-$kind.rgb" "$VELMORA_SHOTS/sweep-letter-$kind.png"
      ;;
  esac
  if [[ $kind == html ]]; then
    import -window "$win" "$work/html.png" 2>/dev/null
    [[ -n ${VELMORA_SHOTS:-} ]] && cp "$work/html.png" "$VELMORA_SHOTS/sweep-html-letter.png"
    note "screenshot taken"
  fi
  check "files unchanged" kept
  close_window
  ends_with 0
}

# A folder where a message or media file belongs.
case_folder_letter() {
  local folder
  folder=$(new_program_folder "folder letter")
  mkdir "$folder/orlessa.ini"
  start_show "$folder"
  error_box 75 || return 1
  ends_with 1 || return 1
  check "xuanyan.ini written and kept" sha256_is "$folder/xuanyan.ini" "$default_declaration_sha"
  check "folder stays" test -d "$folder/orlessa.ini"
}

case_folder_declaration() {
  local folder
  folder=$(new_program_folder "folder declaration")
  printf 'a' | write_gbk "$folder/orlessa.ini"
  mkdir "$folder/xuanyan.ini"
  keep "$folder/orlessa.ini"
  start_show "$folder"
  window || return 1
  error_box 75 || return 1
  ends_with 1 || return 1
  check "music stays whole" same_file "$folder/Orlessa.mp3" "$music"
  check "letter unchanged" kept
  check "folder stays" test -d "$folder/xuanyan.ini"
}

case_folder_music() {
  local folder
  folder=$(new_program_folder "folder music")
  short_messages "$folder"
  mkdir "$folder/Orlessa.mp3"
  echo mine >"$folder/Orlessa.mp3/note"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini" "$folder/Orlessa.mp3/note"
  start_show "$folder"
  window || return 1
  reply "$question_box" yes && reply "$matchmaker_box" no || return 1
  ends_with 0 || return 1
  check "no error box" no_error_box
  check "folder stays as it was" kept
}

case_folder_video() {
  local folder answered after
  folder=$(new_program_folder "folder video")
  short_messages "$folder"
  mkdir "$folder/Orlessa.avi"
  echo mine >"$folder/Orlessa.avi/note"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini" "$folder/Orlessa.avi/note"
  start_show "$folder"
  window || return 1
  reply "$question_box" no || return 1
  answered=$(date +%s.%N)
  wait_window "$plea_box" 40 >/dev/null || { fail "the plea comes"; return 1; }
  after=$(elapsed_since "$answered")
  # The video lasts about 13 s; a plea well before that means it never played.
  check "plea after ${after}s" awk -v t="$after" 'BEGIN { exit !(t < 8) }'
  reply "$plea_box" no 30 plea && reply "$vow_box" ok || return 1
  ends_with 0 || return 1
  check "folder stays as it was" kept
  check "music file gone" absent "$folder/Orlessa.mp3"
}

# Read-only folders and files; the user is root, so only a read-only mount
# keeps the program from writing.
case_readonly_folder() {
  local with=$1 folder
  can_mount || { note "skipped: needs root"; return 77; }
  folder=$(new_program_folder "read-only $with")
  [[ $with == messages ]] && { short_messages "$folder"; keep "$folder/orlessa.ini" "$folder/xuanyan.ini"; }
  mount_ro "$folder" || { fail "read-only mount"; return 1; }
  start_show "$folder"
  if [[ $with == messages ]]; then
    window || return 1
    check "no Orlessa.mp3" absent "$folder/Orlessa.mp3"
    reply "$question_box" yes && reply "$matchmaker_box" no || return 1
    ends_with 0 || return 1
    check "no error box" no_error_box
    check "files unchanged" kept
  else
    error_box 75 || return 1
    ends_with 1
  fi
}

case_readonly_messages() {
  local folder
  can_mount || { note "skipped: needs root"; return 77; }
  folder=$(new_program_folder "read-only messages")
  short_messages "$folder"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  mount_ro "$folder/orlessa.ini" && mount_ro "$folder/xuanyan.ini" || { fail "read-only mount"; return 1; }
  start_show "$folder"
  window || return 1
  check "music written" same_file "$folder/Orlessa.mp3" "$music"
  reply "$question_box" yes && reply "$matchmaker_box" no || return 1
  ends_with 0 || return 1
  check "no error box" no_error_box
  check "files unchanged" kept
  check "music file gone" absent "$folder/Orlessa.mp3"
}

# An old music file the program may neither replace nor delete. A read-only
# bind mount of the file makes it a mount point, which cannot be removed
# (EBUSY: "path/file access error"); an immutable file refuses with EPERM
# ("permission denied").
case_locked_music() {
  local how=$1 number folder
  can_mount || { note "skipped: needs root"; return 77; }
  if [[ $how == immutable ]]; then
    # On a tmpfs of the case's own: should the case be killed, the immutable
    # file goes with its mount namespace instead of staying on the disk.
    folder="$work/program locked music $how"
    mkdir -p "$folder"
    mount -t tmpfs tmpfs "$folder" || { fail "tmpfs"; return 1; }
    printf '%s\n' "$folder" >>"$work/mounts"
    cp "$VELMORA_BIN" "$folder/velmora"
  else
    folder=$(new_program_folder "locked music $how")
  fi
  short_messages "$folder"
  head -c 100000 "$music" >"$folder/Orlessa.mp3"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini" "$folder/Orlessa.mp3"
  if [[ $how == mount ]]; then
    number=75
    mount_ro "$folder/Orlessa.mp3" || { fail "read-only mount"; return 1; }
  else
    number=70
    chattr +i "$folder/Orlessa.mp3" 2>/dev/null || { note "skipped: no immutable files here"; return 77; }
    printf '%s\n' "$folder/Orlessa.mp3" >>"$work/immutable"
  fi
  start_show "$folder"
  window || return 1
  check "no error box at start" no_error_box
  check "old music unchanged" kept
  reply "$question_box" yes && reply "$matchmaker_box" no || return 1
  error_box "$number" || return 1
  ends_with 1 || return 1
  check "files stay" kept
}

case_older_music() {
  local folder
  folder=$(new_program_folder "older music")
  short_messages "$folder" "$letter_text" "$declaration12"
  { cat "$music"; seq 1 50000; } >"$folder/Orlessa.mp3"
  start_show "$folder"
  window || return 1
  check "replaced by the program's music" same_file "$folder/Orlessa.mp3" "$music"
  check "no stray files" only_files "$folder" velmora orlessa.ini xuanyan.ini Orlessa.mp3
  close_window
  ends_with 0
}

case_full_disk() {
  local folder size
  can_mount || { note "skipped: needs root"; return 77; }
  folder="$work/program full disk"
  mkdir -p "$folder"
  size=$(($(stat -c %s "$VELMORA_BIN") + 1024 * 1024))
  mount -t tmpfs -o "size=$size" tmpfs "$folder" || { fail "tmpfs"; return 1; }
  printf '%s\n' "$folder" >>"$work/mounts"
  cp "$VELMORA_BIN" "$folder/velmora"
  # The letter is short; the long default declaration is the program's to write.
  printf 'a' | write_gbk "$folder/orlessa.ini"
  start_show "$folder"
  window || return 1
  check "xuanyan.ini written" sha256_is "$folder/xuanyan.ini" "$default_declaration_sha"
  check "no Orlessa.mp3 nor a piece of it" only_files "$folder" velmora orlessa.ini xuanyan.ini
  reply "$question_box" yes 90 && reply "$matchmaker_box" no || return 1
  ends_with 0 || return 1
  check "no error box" no_error_box
}

case_chinese_path() {
  local folder
  folder=$(new_program_folder "路径 带 空格 与中文")
  short_messages "$folder"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  forget_opened
  start_show "$folder"
  window || return 1
  reply "$question_box" yes && reply "$matchmaker_box" yes || return 1
  ends_with 0 || return 1
  sleep 0.5
  check "page opened once" test "$(opened)" = "$matchmaker_url"
  check "music file gone" absent "$folder/Orlessa.mp3"
  check "message files unchanged" kept
}

# The window closed halfway: the program ends at once and leaves its files.
case_close() {
  local during=$1 folder
  folder=$(new_program_folder "close during $during")
  case $during in
    letter) short_messages "$folder" "$letter_text" "$declaration12" ;;
    walk) short_messages "$folder" "" "我们之间有一百步的距离我会勇敢地向你走出九十九步" ;;
    video) short_messages "$folder" ;;
  esac
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  start_show "$folder"
  window || return 1
  case $during in
    letter)
      sleep 1.5
      check "closed while typing the letter" bash -c "! grep -q 'letter complete' '$show_log'" || return 1
      close_window ;;
    walk)
      wait_mark "letter complete" 10 || { fail "the walk begins"; return 1; }
      sleep 2
      check "closed while walking" bash -c "! grep -q 'question asked' '$show_log'" || return 1
      close_window ;;
    video)
      reply "$question_box" no || return 1
      wait_window "$vow_caption" 10 >/dev/null || { fail "the video begins"; return 1; }
      sleep 3
      check "closed while the video plays" bash -c "! grep -q 'video ended' '$show_log'" || return 1
      close_window "$vow_caption" ;;
  esac
  ends_with 0 5 || return 1
  check "message files unchanged" kept
  check "music stays whole" same_file "$folder/Orlessa.mp3" "$music"
  if [[ $during == video ]]; then
    check "video stays whole" same_file "$folder/Orlessa.avi" "$video"
  fi
}

# Killed outright around the moment the music is written out, first into an
# empty folder, then over an older music file: what is left under the music's
# name is whole (the old or the new), and the message files are untouched.
case_killed() {
  local over=$1 folder delay name whole=0 absent_=0 old=0 strays=()
  folder=$(new_program_folder "killed $over")
  short_messages "$folder"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  for delay in 0.005 0.02 0.05 0.08 0.1 0.15 0.2 0.25 0.3 0.35 0.4 0.5 0.7; do
    rm -f "$folder/Orlessa.mp3"
    [[ $over == old ]] && seq 1 400000 >"$folder/Orlessa.mp3"
    [[ $over == old ]] && cp "$folder/Orlessa.mp3" "$work/old.mp3"
    start_show "$folder"
    sleep "$delay"
    alive || fail "after ${delay}s: ended before it was killed (code $(exit_code_of "$show_pid"))"
    kill -KILL "$show_pid" 2>/dev/null
    wait "$show_pid" 2>/dev/null
    if [[ ! -e $folder/Orlessa.mp3 ]]; then
      absent_=$((absent_ + 1))
    elif cmp -s "$folder/Orlessa.mp3" "$music"; then
      whole=$((whole + 1))
    elif [[ $over == old ]] && cmp -s "$folder/Orlessa.mp3" "$work/old.mp3"; then
      old=$((old + 1))
    else
      cp "$folder/Orlessa.mp3" "$work/broken-$delay.mp3"
      fail "after ${delay}s: Orlessa.mp3 is neither absent nor whole ($(stat -c %s "$folder/Orlessa.mp3") bytes)"
    fi
    for name in "$folder"/*; do
      case ${name##*/} in velmora | orlessa.ini | xuanyan.ini | Orlessa.mp3) ;; *) strays+=("${name##*/}"); rm -f "$name" ;; esac
    done
  done
  if [[ $over == old ]]; then
    note "old kept ${old}x, new whole ${whole}x"
  else
    note "absent ${absent_}x, whole ${whole}x"
  fi
  if ((${#strays[@]})); then note "temporary files left: ${strays[*]}"; else note "no temporary file left"; fi
  check "message files unchanged" kept
}

case_no_xdg_open() {
  local folder
  folder=$(new_program_folder "no xdg-open")
  short_messages "$folder"
  forget_opened
  start_show "$folder" PATH=/nonexistent
  window || return 1
  reply "$question_box" yes && reply "$matchmaker_box" yes || return 1
  ends_with 0 || return 1
  check "no error box" no_error_box
  check "music file gone" absent "$folder/Orlessa.mp3"
}

case_no_sound() {
  local folder
  folder=$(new_program_folder "no sound")
  short_messages "$folder"
  start_show "$folder" PULSE_SERVER="unix:$work/no-such-socket"
  window || return 1
  reply "$question_box" no || return 1
  wait_window "$vow_caption" 10 >/dev/null || { fail "the video begins"; return 1; }
  # Wait for the question box to go: the next box with that title is the plea.
  reply "$plea_box" no 40 plea || return 1
  reply "$vow_box" ok || return 1
  ends_with 0 || return 1
  check "media files gone" bash -c "[[ ! -e '$folder/Orlessa.mp3' && ! -e '$folder/Orlessa.avi' ]]"
}

case_no_display() {
  local folder code
  folder=$(new_program_folder "no display")
  short_messages "$folder"
  (unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM && exec_program "$folder") \
    >"$work/stdout" 2>"$work/stderr" &
  show_pid=$!
  pids+=("$show_pid")
  wait_exit "$show_pid" 30 || { fail "ends (still running after 30s)"; return 1; }
  code=$(exit_code_of "$show_pid")
  check "exit $code (non-zero, not a signal)" bash -c "(( $code > 0 && $code < 128 ))"
  check "says why on stderr" grep -qi 'display' "$work/stderr"
}

# ---------------------------------------------------------------------------
# The case named on the command line, on a desktop of its own.

echo "sweep case $case_name: expected $case_expected"
start_display || exit 1
start_sound 2>/dev/null || true
pactl info >/dev/null 2>&1 || no_sound
install_fake_xdg_open

began=$SECONDS
# shellcheck disable=SC2086 # the arguments are words from cases.txt
"case_$case_function" $case_arguments
status=$?
note "took $((SECONDS - began))s"
[[ -e $work/restarted ]] && note "(started again after the system refused to execute it)"
if ((failed)); then
  tail -n 20 "$show_log" 2>/dev/null | sed 's/^/     log: /'
elif ((status == 77)); then
  exit 77
elif ((status)); then
  fail "the case ended early (status $status)"
fi
finish
