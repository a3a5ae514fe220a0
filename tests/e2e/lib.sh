# Shared helpers for the end-to-end tests: a private X display with a window
# manager, a fresh program folder, a fake xdg-open, and ways to wait and answer.
# The caller sets VELMORA_BIN and VELMORA_SOURCE (ctest passes both).

set -uo pipefail

passed=0
failed=0
work=$(mktemp -d /tmp/velmora-e2e.XXXXXX)
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then
    echo "ok   - $what"; passed=$((passed + 1))
  else
    echo "FAIL - $what"; failed=$((failed + 1))
  fi
}

finish() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 ]]
}

start_display() {
  local fd_file="$work/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fd_file" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [[ -s $fd_file ]] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$fd_file")"
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  sleep 0.5
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

# No sound server at all: nothing to connect to.
no_sound() {
  export XDG_RUNTIME_DIR="$work/runtime-silent"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export PULSE_SERVER="unix:$work/no-such-socket"
}

new_program_folder() { # prints the folder
  local folder="$work/program ${1:-folder}"
  mkdir -p "$folder"
  cp "$VELMORA_BIN" "$folder/velmora"
  echo "$folder"
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

start_show() { # start_show FOLDER; sets show_pid
  ( cd "$1" && exec ./velmora ) >"$work/velmora.log" 2>&1 &
  show_pid=$!
  pids+=($show_pid)
}

# Waits for a window whose title is exactly NAME; prints its id.
wait_window() { # wait_window NAME [SECONDS]
  local name=$1 deadline=$((SECONDS + ${2:-20})) id
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

# Answers a message box: Return is its default (Yes or OK), alt+n is No.
answer() { # answer TITLE KEY
  local id
  id=$(wait_window "$1" "${3:-30}") || { echo "no box titled $1" >&2; return 1; }
  sleep 0.3
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers "$2"
}

wait_exit() { # wait_exit PID [SECONDS]; true when the process has ended
  local deadline=$((SECONDS + ${2:-10}))
  while ((SECONDS < deadline)); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.05
  done
  return 1
}

exit_code_of() { wait "$1" 2>/dev/null; echo $?; }

present() { [[ -e "$1" ]]; }
absent() { [[ ! -e "$1" ]]; }
same_file() { cmp -s "$1" "$2"; }
sha256_is() { [[ $(sha256sum <"$1" | cut -d' ' -f1) == "$2" ]]; }

screenshot() { # screenshot FILE
  import -window root "$1" 2>/dev/null
}

# Writes a message file in GBK from UTF-8 text given on standard input.
write_gbk() { iconv -f UTF-8 -t GBK >"$1"; }
