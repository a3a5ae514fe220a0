#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launchers' folder logic, without installing anything: a fake installed
# program in a fake /usr/lib/velmora, and homes with blanks in their names.
# Usage: launcher.sh SOURCE_DIR
set -uo pipefail
source=${1:?source folder}
work=$(mktemp -d "/tmp/velmora launcher.XXXXXX")
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
passed=0 failed=0
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; passed=$((passed + 1))
  else echo "FAIL - $what"; failed=$((failed + 1)); fi
}

# The installed programs write down where they ran and with what, then exit 7.
# The editor's --carry-over OLD NEW stands in for the real one: it appends the
# old program's lines marked "carried:" to the new one (unless $HOME/full says
# the disk is full).
lib="$work/usr lib/velmora"
mkdir -p "$lib" "$work/bin"
cp "$source/packaging/show-folder.sh" "$lib/"
for name in velmora velmora-editor; do
  sed "s|@VELMORA_PROGRAM_DIR@|$lib|g" "$source/packaging/$name.in" >"$work/bin/$name"
  chmod +x "$work/bin/$name"
  printf '#!/bin/sh\n# %s installed\n' "$name" >"$lib/$name"
  if [[ $name == velmora-editor ]]; then
    cat >>"$lib/$name" <<'EOF_EDITOR'
if [ "$1" = --carry-over ]; then
  [ ! -e "$HOME/full" ] || exit 2
  grep '^carried:' "$2" >>"$3"
  exit 0
fi
EOF_EDITOR
  fi
  printf 'echo "$(pwd)|$0|$*" >"$HOME/ran"\nexit 7\n' >>"$lib/$name"
  chmod 755 "$lib/$name"
done
touch -d '2026-06-01 12:00' "$lib/velmora"
# A fake notify-send that records the notification.
printf '#!/bin/sh\necho "$*" >>"%s/notified"\n' "$work" >"$work/bin/notify-send"
chmod +x "$work/bin/notify-send"

launch() { # launch HOME PROGRAM [ARGS...]; leaves status, output in $work/err
  local home=$1 program=$2; shift 2
  HOME=$home PATH="$work/bin:/usr/bin:/bin" DISPLAY=:99 "$work/bin/$program" "$@" \
    >"$work/out" 2>"$work/err"
  status=$?
}

# A fresh home: the folder is made and the program copied in with its time stamp.
home="$work/home of a preparer"
mkdir "$home"
launch "$home" velmora
folder="$home/Velmora"
check "the show's exit status is passed on" test "$status" -eq 7
check "the show folder is made" test -d "$folder"
check "the program is copied into it" cmp -s "$lib/velmora" "$folder/velmora"
check "the copy is executable" test -x "$folder/velmora"
check "the copy keeps the installed time stamp" \
  test "$(stat -c %Y "$folder/velmora")" = "$(stat -c %Y "$lib/velmora")"
check "the show runs from its folder, as its folder's program" \
  test "$(cat "$home/ran")" = "$folder|./velmora|"
check "no temporary file is left" test -z "$(find "$folder" -name '.velmora.*')"

# Message files and everything else the preparer keeps there stay as they are.
printf 'my letter\r\n' >"$folder/orlessa.ini"
printf 'my words\r\n' >"$folder/xuanyan.ini"
echo photo >"$folder/her.jpg"
sums() { (cd "$folder" && sha256sum orlessa.ini xuanyan.ini her.jpg); }
before=$(sums)

# An upgrade brings a newer program: the copy is replaced.
printf '#!/bin/sh\n# newer\necho "$(pwd)|$0|$*" >"$HOME/ran"\nexit 0\n' >"$lib/velmora"
touch -d '2026-07-01 12:00' "$lib/velmora"
launch "$home" velmora
check "an older copy is replaced by the newer installed program" cmp -s "$lib/velmora" "$folder/velmora"
check "the newer program runs (exit 0)" test "$status" -eq 0
check "the message files and other files are untouched" test "$(sums)" = "$before"

# The preparer's own music and pictures, which the editor appends to the copy
# (keeping its time stamp), go over to the next upgrade's program through the
# editor installed beside it.
echo "carried: our song and photos" >>"$folder/velmora"
touch -d '2026-07-01 12:00' "$folder/velmora"
printf '#!/bin/sh\n# newer still\nexit 0\n' >"$lib/velmora"
touch -d '2026-07-15 12:00' "$lib/velmora"
launch "$home" velmora
check "an upgrade carries the preparer's assets over" \
  cmp -s <(cat "$lib/velmora"; echo "carried: our song and photos") "$folder/velmora"
check "... and the copy keeps the installed time stamp" \
  test "$(stat -c %Y "$folder/velmora")" = "$(stat -c %Y "$lib/velmora")"
cp -p "$folder/velmora" "$work/older"
touch -d "2026-07-01 12:00" "$folder/velmora" "$work/older"
touch -d '2026-07-20 12:00' "$lib/velmora"
touch "$home/full"
launch "$home" velmora
rm "$home/full"
check "when they cannot be carried over, the older program stays" cmp -s "$work/older" "$folder/velmora"
check "... and runs" test "$status" -eq 0
check "... saying why" grep -q "Could not carry your own music" "$work/err"
check "... with no temporary file left" test -z "$(find "$folder" -name '.velmora.*')"

# A copy newer than the installed one is the preparer's own: it is left.
printf '#!/bin/sh\n# my own build\nexit 3\n' >"$folder/velmora"
touch -d '2026-08-01 12:00' "$folder/velmora"
launch "$home" velmora
check "a newer copy is left alone and run" test "$status" -eq 3
check "a newer copy keeps its content" grep -q 'my own build' "$folder/velmora"
# An unexecutable copy (a copy cut off before it was finished, say) is replaced.
chmod 644 "$folder/velmora"
launch "$home" velmora
check "a copy that cannot run is replaced" cmp -s "$lib/velmora" "$folder/velmora"

# The editor opens the show folder, or the folder it is given.
launch "$home" velmora-editor
check "the editor opens ~/Velmora" test "$(cut -d'|' -f3 "$home/ran")" = "$folder"
launch "$home" velmora-editor "/some where/else"
check "the editor opens the folder it is given" test "$(cut -d'|' -f3 "$home/ran")" = "/some where/else"
launch "$home" velmora-editor --check
check "the editor's options come with ~/Velmora" test "$(cut -d'|' -f3 "$home/ran")" = "--check $folder"
launch "$home" velmora-editor --music "our song.mp3"
check "a file given to an option is no folder" \
  test "$(cut -d'|' -f3 "$home/ran")" = "--music our song.mp3 $folder"
launch "$home" velmora-editor --boy me.jpg "/some where/else"
check "... and a folder after it still is" test "$(cut -d'|' -f3 "$home/ran")" = "--boy me.jpg /some where/else"

# Things in the way: each fails with a clear message and a notification, and
# leaves what is there alone.
rm -f "$work/notified"
home="$work/home with a file"
mkdir "$home"
echo "not a folder" >"$home/Velmora"
launch "$home" velmora
check "a file named Velmora stops the launcher (status $status)" test "$status" -ne 0
check "... saying so on stderr" grep -q "is not a folder" "$work/err"
check "... and in a notification" grep -q "is not a folder" "$work/notified"
check "... and the file stays" test "$(cat "$home/Velmora")" = "not a folder"

home="$work/home with a folder for a program"
mkdir -p "$home/Velmora/velmora"
launch "$home" velmora
check "a folder named velmora in the show folder stops the launcher" test "$status" -ne 0
check "... and it stays" test -d "$home/Velmora/velmora"

home="$work/read-only home"
mkdir "$home"
chmod 555 "$home"
[[ $(id -u) -eq 0 ]] && home="/proc/velmora home" # root may write anywhere else
launch "$home" velmora
check "an unwritable home stops the launcher (status $status)" test "$status" -ne 0
check "... saying so on stderr" grep -q "Cannot create the show folder" "$work/err"

home="$work/home with an unwritable show folder"
mkdir "$home"
ln -s /proc/1 "$home/Velmora" # a folder nobody, not even root, can write into
launch "$home" velmora
check "an unwritable show folder stops the launcher" grep -q "Cannot write into" "$work/err"

launch "" velmora
check "an empty HOME stops the launcher" test "$status" -ne 0
check "... saying so" grep -q "HOME is not set" "$work/err"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
