#!/usr/bin/env bash
# The real program against awkward message files, folders standing where its
# files belong, read-only and full folders, a window closed or a process killed
# halfway, and a desktop without a browser, a sound server or a display. Each
# case gets its own program folder and a time limit; a table of what was
# expected and what was seen closes the run.

# Bind and tmpfs mounts stay inside a mount namespace of our own, so that not
# even a killed sweep leaves them behind.
if [[ -z ${VELMORA_SWEEP_NAMESPACE:-} && $(id -u) == 0 ]] &&
  unshare -m --propagation private true 2>/dev/null; then
  VELMORA_SWEEP_NAMESPACE=1 exec unshare -m --propagation private bash "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"

unset QT_QPA_PLATFORM
address=$VELMORA_MATCHMAKER_URL
music="$VELMORA_SOURCE/resources/music.mp3"
video="$VELMORA_SOURCE/resources/refusal.avi"
# The program's own texts for fresh message files, as the startup test knows them.
default_declaration_sha=6eaafbd0360470dbf6fb5b66ce14f0cc22318e0a323858c8c11ea9816dcf61fd
caption="Velmora  BY Tarsune"
vow="我一定要追到你!!!"
rows=()
skipped=0

release_immutable() { # release_immutable CASE-DIR
  [[ -f $1/immutable ]] || return 0
  while IFS= read -r file; do chattr -i "$file" 2>/dev/null; done <"$1/immutable"
  rm -f "$1/immutable"
}

release_all() {
  local dir list
  for dir in "$work"/cases/*; do release_immutable "$dir"; done
  for list in "$work"/cases/*/mounts; do
    [[ -f $list ]] || continue
    tac "$list" | while IFS= read -r point; do umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null; done
    rm -f "$list"
  done
}
trap 'release_all; cleanup' EXIT

# Reads back the text of each message box (see boxlog.cpp); without it the
# error number cannot be told, only that an error box came.
boxlog="$work/boxlog.so"
preload=()
# shellcheck disable=SC2046
if ${CXX:-c++} -std=c++17 -shared -fPIC -O1 $(pkg-config --cflags Qt6Widgets 2>/dev/null) \
  "$here/boxlog.cpp" -o "$boxlog" $(pkg-config --libs Qt6Widgets 2>/dev/null) -ldl \
  >"$work/boxlog-build.log" 2>&1; then
  preload=("LD_PRELOAD=$boxlog")
else
  echo "note: message boxes cannot be read back (see $work/boxlog-build.log)" >&2
fi

start_display
start_sound 2>/dev/null || true
pactl info >/dev/null 2>&1 || no_sound
install_fake_xdg_open

# ---------------------------------------------------------------------------
# Within a case (each runs in a subshell; $case_dir is its own).

say() { printf '%s\n' "$*" >>"$case_dir/seen"; }
bad() { say "FAILED: $*"; : >"$case_dir/failed"; }
expect() { # expect WHAT COMMAND... — notes WHAT, or its failure
  local what=$1; shift
  if "$@"; then say "$what"; else bad "$what"; return 1; fi
}

# Runs ./velmora in FOLDER with the NAME=VALUE settings given, in place of
# the subshell, so that its process number is the program's. This machine now
# and then refuses to execute a freshly copied binary (EACCES before the
# program runs); such a start is tried again and noted, never hidden.
exec_program() { # exec_program FOLDER [NAME=VALUE...]
  cd "$1" || exit 1
  shift
  (($#)) && export "$@"
  shopt -s execfail
  for _ in 1 2 3; do
    exec ./velmora
    echo "sweep: ./velmora could not be started; again" >&2
    : >"$case_dir/restarted"
    read -rt 0.3 <> <(:) # a pause that needs no PATH
  done
  exit 126
}

launch() { # launch FOLDER [NAME=VALUE...]; sets show_pid
  (exec_program "$1" "${preload[@]}" VELMORA_BOX_LOG="$case_dir/boxes" \
    QT_LOGGING_RULES="velmora.timeline.info=true" "${@:2}") >>"$case_dir/velmora.log" 2>&1 &
  show_pid=$!
  echo "$show_pid" >>"$case_dir/pids"
}

window() { # window [SECONDS]; sets win
  win=$(wait_window "$caption" "${1:-30}") && return 0
  if alive; then
    bad "the window opens (none after ${1:-30}s, still running)"
  else
    bad "the window opens (ended with code $(exit_code_of "$show_pid"))"
  fi
  return 1
}

marked() { grep -q "$1" "$case_dir/velmora.log"; }
wait_mark() { # wait_mark MOMENT SECONDS
  local deadline=$((SECONDS + $2))
  until marked "$1"; do
    ((SECONDS < deadline)) || return 1
    kill -0 "$show_pid" 2>/dev/null || return 1
    sleep 0.1
  done
}

# Answers the box titled TITLE with KEY and waits until that box has gone.
reply() { # reply TITLE KEY [SECONDS [NAME]]
  local title=$1 key=$2 id word name=${4:-$(english "$1")}
  case $key in Return | alt+y) word=yes ;; alt+n) word=no ;; esac
  [[ $title == 奋斗 ]] && word=ok
  id=$(wait_window "$title" "${3:-30}") || { bad "box $name comes"; return 1; }
  sleep 0.3
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers "$key"
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -qx "$id" || break
    sleep 0.05
  done
  say "$name $word"
}
english() {
  case $1 in 询问) echo question ;; 兴奋) echo matchmaker ;; 奋斗) echo vow ;; *) echo "$1" ;; esac
}

no_error_box() {
  ! grep -q '运行时错误' "$case_dir/boxes" 2>/dev/null &&
    ! xdotool search --onlyvisible --name '^Velmora$' >/dev/null 2>&1
}

# The run-time error box: which number it reports, then OK.
error_box() { # error_box NUMBER [SECONDS]
  local id number
  if ! id=$(wait_window Velmora "${2:-20}"); then
    if alive; then bad "error box $1 (none after ${2:-20}s)"; else bad "error box $1 (ended with code $(exit_code_of "$show_pid"))"; fi
    return 1
  fi
  sleep 0.3
  number=$(grep -o "运行时错误 '[0-9]*'" "$case_dir/boxes" 2>/dev/null | tail -n1 | tr -dc 0-9)
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers Return
  if ((${#preload[@]} == 0)); then
    say "error box (number unread)"
  elif [[ $number == "$1" ]]; then
    say "error box $number"
  else
    bad "error box $1 (it said ${number:-nothing})"
    return 1
  fi
}

ends_with() { # ends_with CODE [SECONDS]
  local code
  if ! wait_exit "$show_pid" "${2:-15}"; then
    bad "exit $1 (still running after ${2:-15}s)"
    return 1
  fi
  code=$(exit_code_of "$show_pid")
  if ((code >= 128)) || grep -qE 'Aborted|Segmentation|core dumped' "$case_dir/velmora.log"; then
    bad "exit $1 (crashed: code $code)"
    return 1
  fi
  [[ $code == "$1" ]] || { bad "exit $1 (got $code)"; return 1; }
  say "exit $code"
}

close_window() { wmctrl -F -c "${1:-$caption}"; }

alive() { kill -0 "$show_pid" 2>/dev/null; }

# Files the user made must come out of the run byte for byte the same, and
# not even rewritten with the same bytes.
keep() {
  local file
  mkdir -p "$case_dir/kept"
  for file in "$@"; do
    printf '%s\n' "$file" >>"$case_dir/kept/list"
    cp -a "$file" "$case_dir/kept/$(wc -l <"$case_dir/kept/list")"
  done
}
kept() {
  local n=0 file
  while IFS= read -r file; do
    n=$((n + 1))
    cmp -s "$file" "$case_dir/kept/$n" || return 1
    [[ $(stat -c %y "$file") == "$(stat -c %y "$case_dir/kept/$n")" ]] || return 1
  done <"$case_dir/kept/list"
}

# The window's pixels, raw, so that two of them compare with cmp.
grab() { # grab FILE [GEOMETRY]
  import -window "$win" ${2:+-crop "$2"} +repage -depth 8 "rgb:$1" 2>/dev/null
}
same_picture() { [[ -s $1 && -s $2 ]] && cmp -s "$1" "$2"; }
different_picture() { [[ -s $1 && -s $2 ]] && ! cmp -s "$1" "$2"; }
typing_goes_on() {
  sleep 1
  grab "$case_dir/a.rgb"
  sleep 2
  grab "$case_dir/b.rgb"
  different_picture "$case_dir/a.rgb" "$case_dir/b.rgb"
}

mount_ro() { # mount_ro PATH: the file or folder itself becomes read-only
  mount --bind "$1" "$1" 2>/dev/null || return 1
  printf '%s\n' "$1" >>"$case_dir/mounts"
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
# other encodings are compared, once typed, with the same text in GBK.
case_letter() {
  local kind=$1 folder started
  folder=$(new_program_folder "letter $kind")
  letter_bytes "$kind" >"$folder/orlessa.ini"
  printf '%s' "$declaration12" | write_gbk "$folder/xuanyan.ini"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  started=$(date +%s.%N)
  launch "$folder"
  window 60 || return 1
  [[ $kind == 1mb ]] && say "window after $(elapsed_since "$started")s"
  expect "typing goes on" typing_goes_on
  expect "no error box" no_error_box
  expect "running" alive || return 1
  case $kind in
    gbk | utf8 | utf8-bom | utf16le-bom | utf16be-bom | html)
      wait_mark "letter complete" 30 || { bad "letter typed to the end"; return 1; }
      sleep 0.3
      grab "$work/letter-$kind.rgb" 789x340+0+0
      [[ -n ${VELMORA_SHOTS:-} ]] &&
        convert -size 789x340 -depth 8 "rgb:$work/letter-$kind.rgb" "$VELMORA_SHOTS/sweep-letter-$kind.png"
      ;;
  esac
  case $kind in
    utf8 | utf8-bom | utf16le-bom | utf16be-bom)
      expect "shown as the GBK letter" same_picture "$work/letter-$kind.rgb" "$work/letter-gbk.rgb" ;;
    html)
      import -window "$win" "$case_dir/html.png" 2>/dev/null
      [[ -n ${VELMORA_SHOTS:-} ]] && cp "$case_dir/html.png" "$VELMORA_SHOTS/sweep-html-letter.png"
      say "screenshot taken"
      ;;
  esac
  expect "files unchanged" kept
  close_window
  ends_with 0
}

# A folder where a message or media file belongs.
case_folder_letter() {
  local folder
  folder=$(new_program_folder "folder letter")
  mkdir "$folder/orlessa.ini"
  launch "$folder"
  error_box 75 || return 1
  ends_with 1 || return 1
  expect "xuanyan.ini written and kept" sha256_is "$folder/xuanyan.ini" "$default_declaration_sha"
  expect "folder stays" test -d "$folder/orlessa.ini"
}

case_folder_declaration() {
  local folder
  folder=$(new_program_folder "folder declaration")
  printf 'a' | write_gbk "$folder/orlessa.ini"
  mkdir "$folder/xuanyan.ini"
  keep "$folder/orlessa.ini"
  launch "$folder"
  window || return 1
  error_box 75 || return 1
  ends_with 1 || return 1
  expect "music stays whole" same_file "$folder/Orlessa.mp3" "$music"
  expect "letter unchanged" kept
  expect "folder stays" test -d "$folder/xuanyan.ini"
}

case_folder_music() {
  local folder
  folder=$(new_program_folder "folder music")
  short_messages "$folder"
  mkdir "$folder/Orlessa.mp3"
  echo mine >"$folder/Orlessa.mp3/note"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini" "$folder/Orlessa.mp3/note"
  launch "$folder"
  window || return 1
  reply 询问 Return && reply 兴奋 alt+n || return 1
  ends_with 0 || return 1
  expect "no error box" no_error_box
  expect "folder stays as it was" kept
}

case_folder_video() {
  local folder answered after
  folder=$(new_program_folder "folder video")
  short_messages "$folder"
  mkdir "$folder/Orlessa.avi"
  echo mine >"$folder/Orlessa.avi/note"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini" "$folder/Orlessa.avi/note"
  launch "$folder"
  window || return 1
  reply 询问 alt+n || return 1
  answered=$(date +%s.%N)
  wait_window 询问 40 >/dev/null || { bad "the plea comes"; return 1; }
  after=$(elapsed_since "$answered")
  # The video lasts about 13 s; a plea well before that means it never played.
  expect "plea after ${after}s" awk -v t="$after" 'BEGIN { exit !(t < 8) }'
  reply 询问 alt+n 30 plea && reply 奋斗 Return || return 1
  ends_with 0 || return 1
  expect "folder stays as it was" kept
  expect "music file gone" absent "$folder/Orlessa.mp3"
}

# Read-only folders and files; the user is root, so only a read-only mount
# keeps the program from writing.
case_readonly_folder() {
  local with=$1 folder
  can_mount || { say "skipped: needs root"; return 3; }
  folder=$(new_program_folder "read-only $with")
  [[ $with == messages ]] && { short_messages "$folder"; keep "$folder/orlessa.ini" "$folder/xuanyan.ini"; }
  mount_ro "$folder" || { bad "read-only mount"; return 1; }
  launch "$folder"
  if [[ $with == messages ]]; then
    window || return 1
    expect "no Orlessa.mp3" absent "$folder/Orlessa.mp3"
    reply 询问 Return && reply 兴奋 alt+n || return 1
    ends_with 0 || return 1
    expect "no error box" no_error_box
    expect "files unchanged" kept
  else
    error_box 75 || return 1
    ends_with 1
  fi
}

case_readonly_messages() {
  local folder
  can_mount || { say "skipped: needs root"; return 3; }
  folder=$(new_program_folder "read-only messages")
  short_messages "$folder"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  mount_ro "$folder/orlessa.ini" && mount_ro "$folder/xuanyan.ini" || { bad "read-only mount"; return 1; }
  launch "$folder"
  window || return 1
  expect "music written" same_file "$folder/Orlessa.mp3" "$music"
  reply 询问 Return && reply 兴奋 alt+n || return 1
  ends_with 0 || return 1
  expect "no error box" no_error_box
  expect "files unchanged" kept
  expect "music file gone" absent "$folder/Orlessa.mp3"
}

# An old music file the program may neither replace nor delete. A read-only
# bind mount of the file makes it a mount point, which cannot be removed
# (EBUSY: "path/file access error"); an immutable file refuses with EPERM
# ("permission denied").
case_locked_music() {
  local how=$1 number folder
  can_mount || { say "skipped: needs root"; return 3; }
  folder=$(new_program_folder "locked music $how")
  short_messages "$folder"
  head -c 100000 "$music" >"$folder/Orlessa.mp3"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini" "$folder/Orlessa.mp3"
  if [[ $how == mount ]]; then
    number=75
    mount_ro "$folder/Orlessa.mp3" || { bad "read-only mount"; return 1; }
  else
    number=70
    chattr +i "$folder/Orlessa.mp3" 2>/dev/null || { say "skipped: no immutable files here"; return 3; }
    printf '%s\n' "$folder/Orlessa.mp3" >>"$case_dir/immutable"
  fi
  launch "$folder"
  window || return 1
  expect "no error box at start" no_error_box
  expect "old music unchanged" kept
  reply 询问 Return && reply 兴奋 alt+n || return 1
  error_box "$number" || return 1
  ends_with 1 || return 1
  expect "files stay" kept
}

case_older_music() {
  local folder
  folder=$(new_program_folder "older music")
  short_messages "$folder" "$letter_text" "$declaration12"
  { cat "$music"; seq 1 50000; } >"$folder/Orlessa.mp3"
  launch "$folder"
  window || return 1
  expect "replaced by the program's music" same_file "$folder/Orlessa.mp3" "$music"
  expect "no stray files" only_files "$folder" velmora orlessa.ini xuanyan.ini Orlessa.mp3
  close_window
  ends_with 0
}

case_full_disk() {
  local folder size
  can_mount || { say "skipped: needs root"; return 3; }
  folder="$work/program full disk"
  mkdir -p "$folder"
  size=$(($(stat -c %s "$VELMORA_BIN") + 1024 * 1024))
  mount -t tmpfs -o "size=$size" tmpfs "$folder" || { bad "tmpfs"; return 1; }
  printf '%s\n' "$folder" >>"$case_dir/mounts"
  cp "$VELMORA_BIN" "$folder/velmora"
  # The letter is short; the long default declaration is the program's to write.
  printf 'a' | write_gbk "$folder/orlessa.ini"
  launch "$folder"
  window || return 1
  expect "xuanyan.ini written" sha256_is "$folder/xuanyan.ini" "$default_declaration_sha"
  expect "no Orlessa.mp3 nor a piece of it" only_files "$folder" velmora orlessa.ini xuanyan.ini
  reply 询问 Return 90 && reply 兴奋 alt+n || return 1
  ends_with 0 || return 1
  expect "no error box" no_error_box
}

case_chinese_path() {
  local folder
  folder=$(new_program_folder "路径 带 空格 与中文")
  short_messages "$folder"
  keep "$folder/orlessa.ini" "$folder/xuanyan.ini"
  rm -f "$work/xdg-open.log"
  launch "$folder"
  window || return 1
  reply 询问 Return && reply 兴奋 Return || return 1
  ends_with 0 || return 1
  sleep 0.5
  expect "page opened once" test "$(opened)" = "$address"
  expect "music file gone" absent "$folder/Orlessa.mp3"
  expect "message files unchanged" kept
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
  launch "$folder"
  window || return 1
  case $during in
    letter)
      sleep 1.5
      expect "closed while typing the letter" bash -c "! grep -q 'letter complete' '$case_dir/velmora.log'" || return 1
      close_window ;;
    walk)
      wait_mark "letter complete" 10 || { bad "the walk begins"; return 1; }
      sleep 2
      expect "closed while walking" bash -c "! grep -q 'question asked' '$case_dir/velmora.log'" || return 1
      close_window ;;
    video)
      reply 询问 alt+n || return 1
      wait_window "$vow" 10 >/dev/null || { bad "the video begins"; return 1; }
      sleep 3
      expect "closed while the video plays" bash -c "! grep -q 'video ended' '$case_dir/velmora.log'" || return 1
      close_window "$vow" ;;
  esac
  ends_with 0 5 || return 1
  expect "message files unchanged" kept
  expect "music stays whole" same_file "$folder/Orlessa.mp3" "$music"
  if [[ $during == video ]]; then
    expect "video stays whole" same_file "$folder/Orlessa.avi" "$video"
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
    [[ $over == old ]] && cp "$folder/Orlessa.mp3" "$case_dir/old.mp3"
    launch "$folder"
    sleep "$delay"
    alive || bad "after ${delay}s: ended before it was killed (code $(exit_code_of "$show_pid"))"
    kill -KILL "$show_pid" 2>/dev/null
    wait "$show_pid" 2>/dev/null
    if [[ ! -e $folder/Orlessa.mp3 ]]; then
      absent_=$((absent_ + 1))
    elif cmp -s "$folder/Orlessa.mp3" "$music"; then
      whole=$((whole + 1))
    elif [[ $over == old ]] && cmp -s "$folder/Orlessa.mp3" "$case_dir/old.mp3"; then
      old=$((old + 1))
    else
      cp "$folder/Orlessa.mp3" "$case_dir/broken-$delay.mp3"
      bad "after ${delay}s: Orlessa.mp3 is neither absent nor whole ($(stat -c %s "$folder/Orlessa.mp3") bytes)"
    fi
    for name in "$folder"/*; do
      case ${name##*/} in velmora | orlessa.ini | xuanyan.ini | Orlessa.mp3) ;; *) strays+=("${name##*/}"); rm -f "$name" ;; esac
    done
  done
  if [[ $over == old ]]; then
    say "old kept ${old}x, new whole ${whole}x"
  else
    say "absent ${absent_}x, whole ${whole}x"
  fi
  if ((${#strays[@]})); then say "temporary files left: ${strays[*]}"; else say "no temporary file left"; fi
  expect "message files unchanged" kept
}

case_no_xdg_open() {
  local folder
  folder=$(new_program_folder "no xdg-open")
  short_messages "$folder"
  rm -f "$work/xdg-open.log"
  launch "$folder" PATH=/nonexistent
  window || return 1
  reply 询问 Return && reply 兴奋 Return || return 1
  ends_with 0 || return 1
  expect "no error box" no_error_box
  expect "music file gone" absent "$folder/Orlessa.mp3"
}

case_no_sound() {
  local folder
  folder=$(new_program_folder "no sound")
  short_messages "$folder"
  launch "$folder" PULSE_SERVER="unix:$work/no-such-socket"
  window || return 1
  reply 询问 alt+n || return 1
  wait_window "$vow" 10 >/dev/null || { bad "the video begins"; return 1; }
  # Wait for the question box to go: the next box titled 询问 is the plea.
  reply 询问 alt+n 40 plea || return 1
  reply 奋斗 Return || return 1
  ends_with 0 || return 1
  expect "media files gone" bash -c "[[ ! -e '$folder/Orlessa.mp3' && ! -e '$folder/Orlessa.avi' ]]"
}

case_no_display() {
  local folder code
  folder=$(new_program_folder "no display")
  short_messages "$folder"
  (unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM && exec_program "$folder") \
    >"$case_dir/stdout" 2>"$case_dir/stderr" &
  show_pid=$!
  echo "$show_pid" >>"$case_dir/pids"
  wait_exit "$show_pid" 30 || { bad "ends (still running after 30s)"; return 1; }
  code=$(exit_code_of "$show_pid")
  expect "exit $code (non-zero, not a signal)" bash -c "(( $code > 0 && $code < 128 ))"
  expect "says why on stderr" grep -qi 'display' "$case_dir/stderr"
}

# ---------------------------------------------------------------------------
# Running the cases, each in a subshell with a time limit.

run_case() { # run_case NAME EXPECTED LIMIT FUNCTION [ARGS...]
  local name=$1 expected=$2 limit=$3 dir runner status seen deadline pid verdict
  shift 3
  [[ -n ${VELMORA_SWEEP_ONLY:-} && ! $name =~ $VELMORA_SWEEP_ONLY ]] && return 0
  dir="$work/cases/$(printf '%02d' $((${#rows[@]} + 1)))"
  mkdir -p "$dir"
  (
    case_dir=$dir
    "$@"
    status=$?
    [[ -e $dir/failed ]] && exit 1
    exit "$status"
  ) >"$dir/trace" 2>&1 &
  runner=$!
  deadline=$((SECONDS + limit))
  while kill -0 "$runner" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.2; done
  if kill -0 "$runner" 2>/dev/null; then
    kill -KILL "$runner" 2>/dev/null
    wait "$runner" 2>/dev/null
    echo "FAILED: hang (no end within ${limit}s)" >>"$dir/seen"
    status=1
  else
    wait "$runner"
    status=$?
  fi
  # Whatever the case started and left running goes now; a number whose
  # process has ended may already belong to another, which must be spared.
  if [[ -f $dir/pids ]]; then
    while read -r pid; do
      [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == "$work"/* ]] && kill -KILL "$pid" 2>/dev/null
    done <"$dir/pids"
  fi
  release_immutable "$dir"
  if [[ -f $dir/mounts ]]; then
    tac "$dir/mounts" | while IFS= read -r point; do umount "$point" 2>/dev/null || umount -l "$point"; done
    rm -f "$dir/mounts"
  fi
  [[ -e $dir/restarted ]] && echo "(started again after the system refused to execute it)" >>"$dir/seen"
  seen=$(paste -sd';' "$dir/seen" 2>/dev/null | sed 's/;/, /g')
  case $status in
    0) passed=$((passed + 1)); verdict=ok ;;
    3) skipped=$((skipped + 1)); verdict=skip ;;
    *) failed=$((failed + 1)); verdict=FAIL ;;
  esac
  rows+=("$verdict"$'\t'"$name"$'\t'"$expected"$'\t'"${seen:-nothing}")
  printf '%-4s %s: %s\n' "$verdict" "$name" "${seen:-nothing}"
  if [[ $verdict == FAIL ]]; then
    sed 's/^/     trace: /' "$dir/trace" 2>/dev/null | tail -n 20
    sed 's/^/     log: /' "$dir/velmora.log" 2>/dev/null | tail -n 20
  fi
}

runs_ok="runs, no error, files unchanged, close -> exit 0"
began=$SECONDS

run_case "letter: empty" "$runs_ok" 60 case_letter empty
run_case "letter: 1 MB GBK, many lines" "$runs_ok (window time noted)" 120 case_letter 1mb
run_case "letter: binary garbage" "$runs_ok" 60 case_letter garbage
run_case "letter: invalid GBK bytes" "$runs_ok" 60 case_letter bad-gbk
run_case "letter: GBK" "$runs_ok" 60 case_letter gbk
run_case "letter: UTF-8 without BOM" "$runs_ok, same as GBK" 60 case_letter utf8
run_case "letter: UTF-8 with BOM" "$runs_ok, same as GBK" 60 case_letter utf8-bom
run_case "letter: UTF-16 LE with BOM" "$runs_ok, same as GBK" 60 case_letter utf16le-bom
run_case "letter: UTF-16 BE with BOM" "$runs_ok, same as GBK" 60 case_letter utf16be-bom
run_case "letter: HTML" "$runs_ok, tags literal (screenshot)" 60 case_letter html
run_case "letter: no final line break" "$runs_ok" 60 case_letter no-final-break
run_case "folder named orlessa.ini" "error box 75, exit 1, xuanyan.ini kept" 40 case_folder_letter
run_case "folder named xuanyan.ini" "window, error box 75, exit 1, files kept" 40 case_folder_declaration
run_case "folder named Orlessa.mp3" "silent; yes, no -> exit 0, folder kept" 40 case_folder_music
run_case "folder named Orlessa.avi" "no -> plea at once; no, vow ok -> exit 0, folder kept" 60 case_folder_video
run_case "read-only folder, messages present" "no Orlessa.mp3; yes, no -> exit 0" 40 case_readonly_folder messages
run_case "read-only folder, no messages" "error box 75, exit 1" 40 case_readonly_folder none
run_case "read-only message files" "normal show; yes, no -> exit 0, files unchanged" 40 case_readonly_messages
run_case "read-only Orlessa.mp3 (bind mount)" "unchanged; yes, no -> error box 75, exit 1, file stays" 40 case_locked_music mount
run_case "immutable Orlessa.mp3 (chattr +i)" "unchanged; yes, no -> error box 70, exit 1, file stays" 40 case_locked_music immutable
run_case "older, longer Orlessa.mp3" "replaced exactly by the program's music" 40 case_older_music
run_case "full disk (small tmpfs)" "messages written, no Orlessa.mp3; yes, no -> exit 0" 150 case_full_disk
run_case "path with blanks and Chinese" "yes, yes -> exit 0, page opened once" 40 case_chinese_path
run_case "window closed during the letter" "exit 0 at once, .ini and mp3 stay" 40 case_close letter
run_case "window closed during the walk" "exit 0 at once, .ini and mp3 stay" 40 case_close walk
run_case "window closed during the video" "exit 0 at once, .ini, mp3 and avi stay" 60 case_close video
run_case "killed while writing the music" "Orlessa.mp3 absent or whole" 120 case_killed none
run_case "killed while replacing older music" "Orlessa.mp3 old or new, whole" 120 case_killed old
run_case "no xdg-open on PATH" "yes, yes -> exit 0" 40 case_no_xdg_open
run_case "no sound server" "no -> video ends, plea; no, vow ok -> exit 0" 90 case_no_sound
run_case "no display" "message on stderr, exit 1..127" 40 case_no_display

runtime=$((SECONDS - began))

echo
{
  printf '%s\t%s\t%s\n' "case" "expected" "seen"
  for row in "${rows[@]}"; do
    IFS=$'\t' read -r verdict name expected seen <<<"$row"
    [[ $verdict == ok ]] && verdict=
    printf '%s\t%s\t%s\n' "${verdict:+[$verdict] }$name" "$expected" "$seen"
  done
} | column -t -s $'\t' -o ' | '
echo
echo "sweep took ${runtime}s"
((skipped)) && echo "$skipped skipped"
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
