#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher's upgrade with the real programs on a disk too full for it: the
# new program fits, the assets carried over to it do not. The older program
# must stay byte for byte, run, and leave no temporary file behind.
# Usage: upgrade-full-disk.sh SOURCE_DIR SHOW EDITOR   (as root: it mounts a tmpfs)
set -uo pipefail
source=${1:?source folder} show=${2:?the show program} editor=${3:?the editor}
[[ $(id -u) -eq 0 ]] || { echo "needs root to mount a small disk"; exit 77; }
work=$(mktemp -d)
trap 'umount "$work/disk" 2>/dev/null; rm -rf "$work"' EXIT
passed=0 failed=0
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; passed=$((passed + 1))
  else echo "FAIL - $what"; failed=$((failed + 1)); fi
}

# The installed programs, and an older copy carrying a song.
mkdir -p "$work/lib" "$work/old"
cp "$show" "$editor" "$source/packaging/show-folder.sh" "$work/lib/"
cp "$show" "$work/old/velmora"
ffmpeg -loglevel error -f lavfi -i "sine=frequency=440:duration=2" -ac 1 "$work/song.mp3" \
  || { echo "ffmpeg is missing"; exit 77; }
QT_QPA_PLATFORM=offscreen "$editor" --music "$work/song.mp3" "$work/old" >/dev/null \
  || { echo "FAIL - the older program takes a song"; exit 1; }
touch -d '2026-01-01 12:00' "$work/old/velmora"

# Room for the older program and a copy of the new one, not for both with the song.
old_size=$(stat -c %s "$work/old/velmora")
new_size=$(stat -c %s "$show")
room=$(((old_size + new_size) / 1024 + 512))
mkdir "$work/disk"
mount -t tmpfs -o "size=${room}k" tmpfs "$work/disk" || { echo "cannot mount a tmpfs"; exit 77; }
mkdir "$work/disk/Velmora"
cp -p "$work/old/velmora" "$work/disk/Velmora/velmora"
sh -c '. "$1/show-folder.sh"; velmora_prepare "$2" "$1/velmora"' sh "$work/lib" "$work/disk/Velmora" \
  >"$work/out" 2>"$work/err"
status=$?
check "the launcher goes on with the older program (status $status)" test "$status" -eq 0
check "... which is byte for byte as it was" cmp -s "$work/old/velmora" "$work/disk/Velmora/velmora"
check "... saying why" grep -q "Could not carry your own music" "$work/err"
check "... with no temporary file left" test -z "$(find "$work/disk/Velmora" -name '.velmora*')"
carries_song() { # --check exits 1 for its warnings (a short song)
  QT_QPA_PLATFORM=offscreen "$editor" --check "$work/disk/Velmora" >"$work/check"
  grep -q song.mp3 "$work/check"
}
check "... and the older program still carries its song" carries_song
sed 's/^/  /' "$work/err"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
