#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package end to end: build it, check its fields and files, install
# it with apt, start the show through the launcher as a fresh user under Xvfb,
# close it, and remove the package and the user again. Needs root.
# Usage: install.sh SOURCE_DIR BUILD_DIR
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
source_dir=${1:?source folder}
build_dir=${2:?build folder for the package}
if [[ $(id -u) -ne 0 ]]; then
  echo "skipped: installing a package and adding a user needs root"
  exit 77
fi

deb=$("$source_dir/scripts/build-package" "$build_dir" | tail -n1)
check "the package is built ($deb)" test -f "$deb"
[[ -f $deb ]] || { finish; exit 1; }
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg --print-architecture)
check "it is named velmora_${version}_${arch}.deb" test "$(basename "$deb")" = "velmora_${version}_${arch}.deb"
echo "size: $(stat -c %s "$deb") bytes"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
echo "Depends: $depends"
check "Package is velmora" test "$(field Package)" = velmora
check "Architecture is $arch" test "$(field Architecture)" = "$arch"
check "a maintainer with an address" grep -qE '^[^<]+ <[^@>]+@[^>]+>$' <<<"$(field Maintainer)"
check "a section" test -n "$(field Section)"
check "a description" test -n "$(field Description | head -n1)"
check "the libraries are found (Qt Widgets and Multimedia)" \
  grep -qE 'libqt6widgets6.*libqt6multimedia6|libqt6multimedia6.*libqt6widgets6' <<<"$depends"
runtime=$("$source_dir/scripts/ensure-packages" --list runtime)
for package in $runtime; do
  check "it depends on $package" grep -qE "(^|, )$package( |,|$)" <<<"$depends"
done

# Files.
files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
has() { grep -qxF "$1" <<<"$files"; }
editor=$(find "$build_dir" -maxdepth 3 -type f -name velmora-editor -perm -u+x | head -n1)
wanted=(/usr/lib/velmora/velmora /usr/bin/velmora /usr/share/applications/velmora.desktop
        /usr/share/doc/velmora/copyright /usr/share/man/man1/velmora.1.gz)
[[ -n $editor ]] && wanted+=(/usr/lib/velmora/velmora-editor /usr/bin/velmora-editor
                            /usr/share/applications/velmora-editor.desktop)
for icon in "$source_dir"/resources/cupid-*.png "$source_dir"/resources/icons/cupid-*.png; do
  [[ $(basename "$icon") =~ ^cupid-([0-9]+)\.png$ ]] || continue
  size=${BASH_REMATCH[1]}
  wanted+=("/usr/share/icons/hicolor/${size}x${size}/apps/velmora.png")
done
for file in "${wanted[@]}"; do check "it holds $file" has "$file"; done
check "it holds AppStream metadata" grep -q '^/usr/share/metainfo/.*\.metainfo\.xml$' <<<"$files"
check "nothing outside /usr" bash -c '! grep -v "^/usr/" <<<"$1" | grep -q .' _ "$files"

unpacked="$work/unpacked"
dpkg-deb -x "$deb" "$unpacked"
# The show has no public homepage to name; AppStream 1.0 and later count
# that a warning, which fails validation there. Every other finding counts.
validate=(appstreamcli validate --no-net)
[[ $(appstreamcli --version) =~ version:\ 0\. ]] || validate+=(--override=url-homepage-missing=info)
check "the AppStream metadata is valid" "${validate[@]}" "$unpacked"/usr/share/metainfo/*.xml
for entry in "$unpacked"/usr/share/applications/*.desktop; do
  check "the desktop entry $(basename "$entry") is valid" desktop-file-validate "$entry"
done
if [[ -n $editor ]]; then
  # English by default, Chinese on a Chinese desktop.
  for name in 'Name=Velmora Editor' 'Name[zh_CN]=Velmora 编辑器'; do
    check "the editor's entry has $name" grep -Fqx "$name" "$unpacked/usr/share/applications/velmora-editor.desktop"
  done
fi

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1
status=$?
sed 's/^/lintian: /' "$work/lintian.log"
check "lintian finds no errors" test "$status" -eq 0

# Installed with apt, as a preparer would.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o DPkg::Lock::Timeout=600 "$deb" \
  >"$work/apt.log" 2>&1
check "apt installs it" test $? -eq 0 || tail -n 20 "$work/apt.log"
check "velmora is on PATH" test "$(command -v velmora)" = /usr/bin/velmora

user="velmora-test-$$"
home="/home/velmora tester $$"
remove_all() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  userdel -r "$user" >/dev/null 2>&1
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -q -o DPkg::Lock::Timeout=600 velmora \
    >>"$work/apt.log" 2>&1
  cleanup
}
trap remove_all EXIT
useradd -m -d "$home" -s /bin/sh "$user"
check "a fresh user with a blank in their home folder's name" test -d "$home"

start_display
folder="$home/Velmora"
runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" DISPLAY="$DISPLAY" \
  PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 PULSE_SERVER="unix:$work/no-sound" \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
  velmora >"$work/velmora.log" 2>&1 &
launcher_pid=$!
pids+=("$launcher_pid")

id=$(wait_window "Velmora  BY Tarsune" 60)
check "the window opens" test -n "$id"
check "the show folder is made" test -d "$folder"
check "the program is copied into it" cmp -s /usr/lib/velmora/velmora "$folder/velmora"
check "the letter file is written there" test -s "$folder/orlessa.ini"
check "the declaration file is written there" test -s "$folder/xuanyan.ini"
check "the folder belongs to the user" test "$(stat -c %U "$folder")" = "$user"
show=$(pgrep -P "$launcher_pid" | head -n1)
check "the show runs as the program in the folder" \
  test "$(readlink "/proc/${show:-0}/exe" 2>/dev/null)" = "$folder/velmora"
sleep 3
[[ -n ${VELMORA_SHOTS:-} ]] && screenshot "$VELMORA_SHOTS/launcher.png"

wmctrl -c "Velmora  BY Tarsune"
check "closing the window ends the program" wait_exit "$launcher_pid" 15
wait "$launcher_pid"
check "the show's exit status comes back through the launcher (saw $?)" test $? -eq 0
check "no error was reported" bash -c "! grep -q '运行时错误' '$work/velmora.log'" \
  || cat "$work/velmora.log"

if [[ -n $editor ]]; then
  runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" DISPLAY="$DISPLAY" \
    PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
    velmora-editor >"$work/editor.log" 2>&1 &
  editor_pid=$!
  pids+=("$editor_pid")
  for _ in $(seq 300); do
    windows_titled ".*Velmora Editor" | grep -q . && break
    sleep 0.1
  done
  # A user whose language is C.UTF-8 gets the editor in English.
  check "the editor's launcher opens the editor, in English" \
    bash -c "$(declare -f windows_titled); windows_titled '.*Velmora Editor' | grep -q ."
  opened=$(pgrep -P "$editor_pid" | head -n1)
  check "... on ~/Velmora" bash -c 'tr "\0" "\n" <"/proc/$1/cmdline" | grep -qxF "$2"' _ "${opened:-0}" "$folder"
  [[ -n ${VELMORA_SHOTS:-} ]] && screenshot "$VELMORA_SHOTS/editor.png"
  kill "$editor_pid" 2>/dev/null
  wait "$editor_pid" 2>/dev/null
fi

for _ in $(seq 100); do pgrep -u "$user" >/dev/null || break; sleep 0.1; done
check "nothing is left running as the user" bash -c "! pgrep -a -u '$user'"
userdel -r "$user" >/dev/null 2>&1
check "the user is removed" bash -c "! id '$user' >/dev/null 2>&1"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q -o DPkg::Lock::Timeout=600 velmora \
  >>"$work/apt.log" 2>&1
check "apt removes it" test $? -eq 0
check "the programs are gone" bash -c '! test -e /usr/bin/velmora && ! test -e /usr/lib/velmora'
finish
