# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared helpers for the end-to-end tests and the sweep: a private X display
# with a window manager, a fresh program folder, a fake xdg-open, the show
# started there, its boxes answered and read back, and ways to wait.
# The caller sets VELMORA_BIN and VELMORA_SOURCE (ctest passes both).

set -uo pipefail
# shellcheck source=tests/e2e/facts.sh
source "$(dirname "${BASH_SOURCE[0]}")/facts.sh"

passed=0
failed=0
work=$(mktemp -d /tmp/velmora-e2e.XXXXXX)
show_log="$work/velmora.log"
pids=()

stop_processes() {
  local pid
  {
    for pid in "${pids[@]}"; do
      # Only our own children: the number of one that has ended may be another's now.
      [[ $(ps -o ppid= -p "$pid" | tr -d ' ') == "$$" ]] && kill -KILL "$pid"
    done
    wait
  } 2>/dev/null
}
cleanup() {
  stop_processes
  rm -rf "$work"
}
trap cleanup EXIT

check() { # check DESCRIPTION COMMAND...; true when the command is
  local what=$1; shift
  if "$@"; then
    echo "ok   - $what"; passed=$((passed + 1))
  else
    fail "$what"; return 1
  fi
}
fail() { echo "FAIL - $*"; failed=$((failed + 1)); }
note() { echo "     $*"; }

finish() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 ]]
}

# ---------------------------------------------------------------------------
# The desktop.

# The screen is 1280 x 800 unless VELMORA_SCREEN says otherwise (WIDTHxHEIGHT).
start_display() { # start_display [WM]: a private X server with a window manager
  local wm=${1:-openbox} display_file="$work/display" deadline=$((SECONDS + 30))
  Xvfb -displayfd 3 -screen 0 "${VELMORA_SCREEN:-1280x800}x24" -nolisten tcp 3>"$display_file" 2>"$work/xvfb.log" &
  pids+=($!)
  while [[ ! -s $display_file ]] && ((SECONDS < deadline)) && kill -0 $! 2>/dev/null; do sleep 0.05; done
  if [[ ! -s $display_file ]]; then
    echo "no X server came up; it said:" >&2
    sed 's/^/  /' "$work/xvfb.log" >&2
    return 1
  fi
  DISPLAY=":$(head -n1 "$display_file")"
  export DISPLAY
  case $wm in
    openbox) openbox >"$work/wm.log" 2>&1 & ;;
    xfwm4) start_session_bus; xfwm4 --compositor=off >"$work/wm.log" 2>&1 & ;;
    mutter) start_session_bus; mutter --x11 --replace >"$work/wm.log" 2>&1 & ;;
    *) echo "unknown window manager: $wm" >&2; return 1 ;;
  esac
  pids+=($!)
  wait_window_manager $!
}

# A private D-Bus session bus, which xfwm4 and mutter need. It is our own
# child, so it ends with the test (dbus-run-session, killed, would leave its
# bus behind); no accessibility bus is started beside it.
start_session_bus() {
  local address_file="$work/session-bus"
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$address_file" &
  pids+=($!)
  for _ in $(seq 100); do [[ -s $address_file ]] && break; sleep 0.05; done
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$address_file")
  export DBUS_SESSION_BUS_ADDRESS NO_AT_BRIDGE=1 GTK_A11Y=none
}

# Until the window manager has said it manages the screen.
wait_window_manager() { # wait_window_manager PID
  local deadline=$((SECONDS + 30))
  while ((SECONDS < deadline)) && kill -0 "$1" 2>/dev/null; do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  echo "no window manager came up; it said:" >&2
  sed 's/^/  /' "$work/wm.log" >&2
  return 1
}

# A private PulseAudio server with a null sink; its monitor can be recorded.
start_sound() {
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=velmora_null" \
    --load=module-native-protocol-unix >"$work/pulse.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
  pactl set-default-sink velmora_null
}

# The loudest sample (0 to 1) heard on the null sink's monitor in SECONDS.
peak_heard() { # peak_heard SECONDS
  timeout "$1" parec -d velmora_null.monitor --raw --format=s16le --channels=2 --rate=44100 \
    >"$work/heard.raw" 2>/dev/null
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/heard.raw" -n stat 2>&1 \
    | awk '/Maximum amplitude/ {print $3}'
}

# No sound server at all: nothing to connect to.
no_sound() {
  export XDG_RUNTIME_DIR="$work/runtime-silent"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export PULSE_SERVER="unix:$work/no-such-socket"
}

# xdg-open that only writes down what it was asked to open.
install_fake_xdg_open() {
  mkdir -p "$work/bin"
  cat >"$work/bin/xdg-open" <<EOS
#!/bin/sh
echo "\$@" >> "$work/xdg-open.log"
EOS
  chmod +x "$work/bin/xdg-open"
  export PATH="$work/bin:$PATH"
}
opened() { cat "$work/xdg-open.log" 2>/dev/null; }
forget_opened() { rm -f "$work/xdg-open.log"; }

# ---------------------------------------------------------------------------
# The show.

new_program_folder() { # new_program_folder [NAME]; prints the folder
  local folder="$work/program ${1:-folder}"
  mkdir -p "$folder"
  cp "$VELMORA_BIN" "$folder/velmora"
  echo "$folder"
}

# Starts ./velmora in FOLDER with the NAME=VALUE settings given. What it
# writes, with the boxes it shows and the moments of the show, goes to
# $show_log, afresh for each start.
start_show() { # start_show FOLDER [NAME=VALUE...]; sets show_pid
  (exec_program "$@") >"$show_log" 2>&1 &
  show_pid=$!
  pids+=("$show_pid")
}

# Becomes ./velmora in FOLDER, so that the caller's process number is the
# program's. This machine now and then refuses to execute a freshly copied
# binary (EACCES before the program runs); such a start is tried again and
# noted in $work/restarted, never hidden.
exec_program() { # exec_program FOLDER [NAME=VALUE...]
  cd "$1" || exit 1
  shift
  export QT_LOGGING_RULES="velmora.boxes.info=true;velmora.timeline.info=true${QT_LOGGING_RULES:+;$QT_LOGGING_RULES}"
  # shellcheck disable=SC2163 # the words are NAME=VALUE
  (($#)) && export "$@"
  shopt -s execfail
  for _ in 1 2 3; do
    # shellcheck disable=SC2093 # with execfail a refused exec returns
    exec ./velmora
    echo "./velmora could not be started; again" >&2
    : >"$work/restarted"
    read -rt 0.3 <> <(:) # a pause that needs no PATH
  done
  exit 126
}

# The visible windows of the show or the editor titled exactly NAME, one id a
# line. They are told by their class, never by the title alone: a window
# manager may give its frames the same title (mutter draws them in a client
# of its own, mutter-x11-frames).
windows_titled() { # windows_titled NAME
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    xprop -id "$id" WM_CLASS 2>/dev/null | grep -qE '= "velmora(-editor)?",' && echo "$id"
  done
  return 0
}

# Waits for a window of ours whose title is exactly NAME; prints its id.
wait_window() { # wait_window NAME [SECONDS]
  local name=$1 deadline=$((SECONDS + ${2:-20})) id
  while ((SECONDS < deadline)); do
    id=$(windows_titled "$name" | head -n1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

has_window() { wait_window "$@" >/dev/null; } # has_window NAME [SECONDS]

# Answers the box titled TITLE with KEY and waits until that box has gone.
# A Yes/No box takes alt+y or alt+n, an OK box Return.
answer() { # answer TITLE KEY [SECONDS]
  local id
  id=$(wait_window "$1" "${3:-30}") || { echo "no box titled $1" >&2; return 1; }
  sleep 0.3
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers "$2"
  for _ in $(seq 100); do
    windows_titled "$1" | grep -qx "$id" || return 0
    sleep 0.05
  done
  echo "the box titled $1 stayed after $2" >&2
  return 1
}

# The boxes the show reported, one a line: "shown buttons=4 title=询问 prompt=...",
# "error number=75 title=Velmora prompt=...", "answered title=询问 result=6".
boxes() { sed -n 's/^velmora\.boxes: //p' "$show_log"; }
# The same without the prompts, to compare with an expected sequence.
box_sequence() { boxes | sed 's/ prompt=.*//'; }
# The number of the last run-time error box.
error_number() { boxes | sed -n 's/^error number=\([0-9]*\) .*/\1/p' | tail -n1; }
no_error_reported() { ! boxes | grep -q '^error '; }

wait_exit() { # wait_exit PID [SECONDS]; true when the process has ended
  local deadline=$((SECONDS + ${2:-10}))
  while ((SECONDS < deadline)); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.05
  done
  return 1
}

exit_code_of() { wait "$1" 2>/dev/null; echo $?; }

# ---------------------------------------------------------------------------
# Files and pictures.

present() { [[ -e "$1" ]]; }
absent() { [[ ! -e "$1" ]]; }
same_file() { cmp -s "$1" "$2"; }
sha256_is() { [[ $(sha256sum <"$1" | cut -d' ' -f1) == "$2" ]]; }

screenshot() { # screenshot FILE
  import -window root "$1" 2>/dev/null
}

# Writes a message file in GBK from UTF-8 text given on standard input.
write_gbk() { iconv -f UTF-8 -t GBK >"$1"; }
