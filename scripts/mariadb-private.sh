#!/usr/bin/env bash
# A private MariaDB server in a folder of its own: own data folder, port and
# socket, server defaults latin2 / latin2_hungarian_ci. Used by the demo
# command and, as a ctest fixture, by the database tests.
#
#   mariadb-private.sh start DIR [--fresh] [--fast] [--port N]
#       creates the data folder when missing (--fresh: always anew), starts the
#       server unless it already runs, and writes the port into DIR/port
#   mariadb-private.sh stop DIR
#       shuts the server down and waits for it to end
#   mariadb-private.sh client DIR [mariadb client arguments...]
#       runs the mariadb client as root on the server's socket
set -euo pipefail
export PATH="$PATH:/usr/sbin:/sbin"

cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop|client DIR ..." >&2; exit 2; }
shift 2
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
data="$dir/data"
pidfile="$dir/mariadbd.pid"
sockfile="$dir/socket-path"

socket_path() {
  if [ -f "$sockfile" ]; then cat "$sockfile"; return; fi
  local s="$dir/mariadbd.sock"
  # A unix socket path must stay short.
  if [ ${#s} -gt 100 ]; then s=$(mktemp -u /tmp/vexlof-mariadb.XXXXXX.sock); fi
  echo "$s" >"$sockfile"
  echo "$s"
}

running() {
  [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null
}

port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

client() {
  mariadb --no-defaults -uroot --socket="$(socket_path)" "$@"
}

case "$cmd" in
start)
  fresh=0; fast=0; port=""
  while [ $# -gt 0 ]; do
    case "$1" in
      --fresh) fresh=1 ;;
      --fast) fast=1 ;;
      --port) port=$2; shift ;;
      *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift
  done
  if running; then
    if [ $fresh -eq 0 ]; then
      cat "$dir/port"; exit 0
    fi
    "$0" stop "$dir"
  fi
  if [ $fresh -eq 1 ]; then rm -rf "$data" "$sockfile"; fi
  if [ ! -d "$data/mysql" ]; then
    mkdir -p "$data"
    mariadb-install-db --no-defaults --datadir="$data" --user="$(id -un)" \
      --auth-root-authentication-method=normal --skip-test-db >"$dir/install.log" 2>&1 \
      || { cat "$dir/install.log" >&2; exit 1; }
  fi
  if [ -z "$port" ] && [ -f "$dir/port" ] && ! port_in_use "$(cat "$dir/port")"; then
    port=$(cat "$dir/port")
  fi
  if [ -z "$port" ] || port_in_use "$port"; then
    for _ in $(seq 1 200); do
      port=$(( 20000 + RANDOM % 30000 ))
      port_in_use "$port" || break
    done
  fi
  extra=()
  if [ $fast -eq 1 ]; then
    extra+=(--innodb-flush-log-at-trx-commit=2 --innodb-doublewrite=0 --innodb-buffer-pool-size=64M)
  fi
  sock=$(socket_path)
  rm -f "$sock"
  setsid mariadbd --no-defaults --datadir="$data" --socket="$sock" --pid-file="$pidfile" \
    --port="$port" --bind-address=127.0.0.1 --user="$(id -un)" \
    --character-set-server=latin2 --collation-server=latin2_hungarian_ci \
    --skip-log-bin --log-error="$dir/error.log" "${extra[@]}" </dev/null >/dev/null 2>&1 &
  for _ in $(seq 1 300); do
    if client -e "SELECT 1" >/dev/null 2>&1; then
      echo "$port" >"$dir/port"
      echo "$port"
      exit 0
    fi
    sleep 0.1
  done
  echo "MariaDB did not start; see $dir/error.log" >&2
  tail -n 20 "$dir/error.log" >&2 || true
  exit 1
  ;;
stop)
  if ! running; then exit 0; fi
  pid=$(cat "$pidfile")
  client -e "SHUTDOWN" >/dev/null 2>&1 || kill "$pid" 2>/dev/null || true
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || exit 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  ;;
client)
  client "$@"
  ;;
*)
  echo "unknown command $cmd" >&2; exit 2 ;;
esac
