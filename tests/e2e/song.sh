#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Our song: a song and a film of one's own set with the editor's command line,
# carried inside the program and played by the show, in its folder and in a
# copy elsewhere; restored to the built-in ones; a damaged bundle plays the
# built-in music all the same.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

editor=${VELMORA_EDITOR_BIN:?VELMORA_EDITOR_BIN is not set (ctest sets it)}
media="$work/media"
mkdir -p "$media"
sox -n -r 44100 -c 2 "$media/song.wav" synth 6 sine 523.25 2>/dev/null
ffmpeg -loglevel error -y -i "$media/song.wav" -codec:a libmp3lame -b:a 128k "$media/our song.mp3"
ffmpeg -loglevel error -y -f lavfi -i testsrc=duration=3:size=320x240:rate=24 \
  -f lavfi -i sine=frequency=330:duration=3 -c:v mpeg4 -c:a libmp3lame -shortest "$media/film.avi"
song="$media/our song.mp3"

# A folder without a program gets a copy of the installed one, carrying both.
folder="$work/our folder"
mkdir -p "$folder"
check "--music sets the song" "$editor" --music "$song" "$folder"
check "--film sets the film" "$editor" --film "$media/film.avi" "$folder"
check "the folder now has an executable program" test -x "$folder/velmora"

# With the default texts the question comes after two minutes. The show then
# runs with short texts, to reach the film soon.
check_timeline() { # check_timeline FOLDER LABEL
  local status
  "$editor" --check "$1" >"$work/check.out" 2>&1
  status=$?
  check "[$2] --check warns (exit $status)" test "$status" -eq 1
  check "[$2] --check lists the song" grep -q "^音乐：our song.mp3，6.0 秒" "$work/check.out"
  check "[$2] --check lists the film" grep -q "^短片：film.avi，3.0 秒" "$work/check.out"
  check "[$2] the timeline ends the music at 6.0 s" grep -q "音乐结束 6.0 秒$" "$work/check.out"
  check "[$2] it warns that the music ends before the question" \
    grep -q "音乐在 6.0 秒结束，问题要到 120.2 秒才出现" "$work/check.out"
  printf 'a' | write_gbk "$1/orlessa.ini"
  printf 'b' | write_gbk "$1/xuanyan.ini"
}
check_timeline "$folder" here

start_display
no_sound

# play FOLDER LABEL MUSIC: starts the show in FOLDER and checks that it plays MUSIC.
play() {
  local folder=$1 label=$2 music=$3
  start_show "$folder"
  check "[$label] the show starts" has_window "$caption" 20
  for _ in $(seq 100); do [[ -s $folder/Orlessa.mp3 ]] && break; sleep 0.05; done
  check "[$label] Orlessa.mp3 holds exactly the expected music" same_file "$folder/Orlessa.mp3" "$music"
}

# refuse FOLDER LABEL: answers No; the film plays, then the plea, then the end.
refuse() {
  local folder=$1 label=$2 started elapsed
  check "[$label] the question is asked" answer "$question_box" alt+n
  started=$(date +%s.%N)
  check "[$label] the film begins" has_window "$vow_caption" 10
  check "[$label] the film written out is ours" same_file "$folder/Orlessa.avi" "$media/film.avi"
  wait_window "$plea_box" 30 >/dev/null
  elapsed=$(echo "$(date +%s.%N) - $started" | bc -l)
  check "[$label] the plea comes about 3 s after the film starts (${elapsed}s)" \
    bash -c "(( \$(echo \"$elapsed > 2 && $elapsed < 3 + 8\" | bc -l) ))"
  check "[$label] both media files are gone" \
    bash -c "[[ ! -e '$folder/Orlessa.mp3' && ! -e '$folder/Orlessa.avi' ]]"
  answer "$plea_box" alt+n
  check "[$label] the vow box closes the show" answer "$vow_box" Return
  check "[$label] the program ends" wait_exit "$show_pid" 10
  check "[$label] no error box" no_error_reported
}

play "$folder" here "$song"
refuse "$folder" here

# A copy of the program in another folder carries the same.
elsewhere="$work/somewhere else"
mkdir -p "$elsewhere"
cp "$folder/velmora" "$elsewhere/"
check_timeline "$elsewhere" copy
play "$elsewhere" copy "$song"
refuse "$elsewhere" copy

# A damaged or cut-off bundle still plays the built-in music, and says why.
for damage in flipped cut; do
  damaged="$work/damaged $damage"
  mkdir -p "$damaged"
  cp "$folder/velmora" "$damaged/"
  if [[ $damage == flipped ]]; then
    at=$(($(stat -c %s "$VELMORA_BIN") + 4000))
    printf '\x55' | dd of="$damaged/velmora" bs=1 seek="$at" conv=notrunc status=none
  else
    truncate -s -1000 "$damaged/velmora"
  fi
  play "$damaged" "$damage" "$VELMORA_SOURCE/resources/music.mp3"
  check "[$damage] the reason is on stderr" grep -q "^velmora: .*built-in" "$show_log"
  kill "$show_pid"; wait_exit "$show_pid" 5
done

# --restore puts back the built-in assets: the program is the installed one again.
check "--restore succeeds" "$editor" --restore "$folder"
check "the restored program is the installed one, byte for byte" same_file "$folder/velmora" "$VELMORA_BIN"
play "$folder" restored "$VELMORA_SOURCE/resources/music.mp3"
kill "$show_pid"; wait_exit "$show_pid" 5

# Each failure is one clear line and a non-zero exit, and changes nothing.
before=$(sha256sum <"$elsewhere/velmora")
fails() { # fails LABEL PATTERN ARGS...
  local label=$1 pattern=$2 status
  shift 2
  "$editor" "$@" >"$work/out" 2>"$work/err"
  status=$?
  check "$label: exit $status, one line" \
    bash -c "[[ $status -ne 0 && \$(wc -l <'$work/err') -eq 1 ]] && grep -q '$pattern' '$work/err'"
}
fails "a text file as music" "放不了" --music /etc/passwd "$elsewhere"
fails "a song as the film" "没有画面" --film "$song" "$elsewhere"
fails "a missing file" "读不了" --music "$media/none.mp3" "$elsewhere"
fails "a picture that is none" "不是能读的图片" --boy "$song" "$elsewhere"
check "... the program is unchanged" test "$(sha256sum <"$elsewhere/velmora")" = "$before"
notours="$work/not ours"
mkdir -p "$notours"
cp /bin/true "$notours/velmora"
fails "a program that is not the show" "不是 Velmora 的放映程序" --music "$song" "$notours"
fails "a folder that cannot be written" "写不进" --music "$song" /proc/1

finish
