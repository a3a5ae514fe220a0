# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared by the benchmarks: the e2e helpers plus the paths of the build.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
VELMORA_SOURCE=$(dirname "$here")
export VELMORA_SOURCE
build=$(realpath "${BUILD_DIR:-$VELMORA_SOURCE/build}")
export VELMORA_BIN=$build/velmora
# shellcheck source=tests/e2e/lib.sh
source "$VELMORA_SOURCE/tests/e2e/lib.sh"

# The show in FOLDER with one-letter texts, answered No, two seconds into
# the refusal film; sets show_pid.
start_film() { # start_film FOLDER
  printf 'a' | write_gbk "$1/orlessa.ini"
  printf 'b' | write_gbk "$1/xuanyan.ini"
  start_show "$1"
  answer "询问" alt+n
  wait_window "我一定要追到你!!!" 10 >/dev/null
  sleep 2
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ratio() { echo "scale=2; $1 / $2" | bc -l; }

# CPU time (user + system) of a process in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak_rss_mb() { awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

# cpu_share PID SECONDS: share of one core used over that many seconds, in %.
cpu_share() {
  local before after
  before=$(cpu_ticks "$1")
  sleep "$2"
  after=$(cpu_ticks "$1")
  echo "scale=2; 100 * ($after - $before) / ($(getconf CLK_TCK) * $2)" | bc -l
}

# start_bare_player MUSIC: the floor for the show with music, on the backend
# and with the decoder the show's last start chose (its log says which);
# sets player_pid. It writes when the music plays to $work/bare-player.log.
start_bare_player() {
  local backend
  backend=$(sed -n 's/.*media backend \([a-z]*\).*/\1/p' "$show_log" | head -n1)
  [[ $backend == default ]] && backend=
  QT_MEDIA_BACKEND=$backend GST_PLUGIN_FEATURE_RANK=mpg123audiodec:MAX \
    "$build/bench/bare-player" "$1" >"$work/bare-player.log" 2>&1 &
  player_pid=$!
  pids+=("$player_pid")
}
