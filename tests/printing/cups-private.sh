#!/usr/bin/env bash
# A private CUPS scheduler for the raw printing tests: own configuration,
# port, spool, state and log folders under DIR, and one raw queue whose
# device writes every job's bytes unchanged to DIR/out/<queue>.bin.
#
#   cups-private.sh start DIR    starts cupsd and creates the queue; writes
#                                DIR/server (host:port) and DIR/queue
#   cups-private.sh stop DIR     stops the scheduler started from DIR
#
# When the scheduler cannot run here (CUPS not installed, no free port, the
# scheduler refuses to start) "start" writes the reason into DIR/skip and
# still succeeds, so the tests that need the queue skip with that reason.
#
# The device is a small backend in a private ServerBin folder rather than a
# file: URI: for a raw queue cupsd runs no filter, and without a filter it
# never copies the job into a file: device.
set -uo pipefail
export PATH="$PATH:/usr/sbin:/sbin"

cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
pidfile="$dir/cupsd.pid"
queue=vexlo_raw

running() {
  [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null
}

stop() {
  if running; then
    local pid
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
  fi
  rm -f "$pidfile"
}

skip() {
  echo "$*" >"$dir/skip"
  echo "SKIP: $*"
  stop
  exit 0
}

port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

case "$cmd" in
stop)
  stop
  exit 0
  ;;
start)
  ;;
*)
  echo "unknown command $cmd" >&2
  exit 2
  ;;
esac

stop
rm -rf "$dir/conf" "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/out" "$dir/serverbin" \
  "$dir/skip" "$dir/server" "$dir/queue"

cupsd=$(command -v cupsd) || skip "cupsd is not installed (Debian package cups-daemon)"
lpadmin=$(command -v lpadmin) || skip "lpadmin is not installed (Debian package cups-client)"
lpstat=$(command -v lpstat) || skip "lpstat is not installed (Debian package cups-client)"

system_serverbin=/usr/lib/cups
if command -v cups-config >/dev/null; then
  system_serverbin=$(cups-config --serverbin)
fi
[ -x "$system_serverbin/daemon/cups-exec" ] || skip "no CUPS helper programs in $system_serverbin"

mkdir -p "$dir/conf" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/out" "$dir/serverbin/backend"
chmod 755 "$dir/serverbin" "$dir/serverbin/backend"
for d in "$system_serverbin"/*; do
  [ "$(basename "$d")" = backend ] || ln -s "$d" "$dir/serverbin/$(basename "$d")"
done

# The device: writes the job (a file argument or standard input) to the
# file named in the URI "vexlofajl:/path".
backend="$dir/serverbin/backend/vexlofajl"
cat >"$backend" <<'SH'
#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'direct vexlofajl "Unknown" "Vexlo.F test file device"'
  exit 0
fi
target="${DEVICE_URI#vexlofajl:}"
tmp="$target.part"
if [ $# -ge 6 ]; then cat "$6" >"$tmp" || exit 1; else cat >"$tmp" || exit 1; fi
mv -f "$tmp" "$target"
SH
if [ "$(id -u)" -eq 0 ]; then
  # Run by the scheduler as root (mode 0700): the output folder needs no
  # special rights.
  chmod 700 "$backend"
else
  chmod 755 "$backend"
fi

port=$((20000 + $$ % 20000))
for _ in $(seq 50); do
  port_in_use "$port" || break
  port=$((port + 1))
done
port_in_use "$port" && skip "no free TCP port for cupsd"

cat >"$dir/conf/cupsd.conf" <<EOF2
Listen 127.0.0.1:$port
LogLevel debug
WebInterface No
Browsing No
DefaultAuthType None
MaxLogSize 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF2

{
  echo "FileDevice Yes"
  echo "ServerRoot $dir/conf"
  echo "ServerBin $dir/serverbin"
  echo "RequestRoot $dir/spool"
  echo "TempDir $dir/spool/tmp"
  echo "CacheDir $dir/cache"
  echo "StateDir $dir/state"
  echo "AccessLog $dir/log/access_log"
  echo "ErrorLog $dir/log/error_log"
  echo "PageLog $dir/log/page_log"
  echo "Printcap $dir/state/printcap"
  echo "Sandboxing Relaxed"
  if [ "$(id -u)" -eq 0 ]; then
    echo "SystemGroup root"
  else
    echo "User $(id -un)"
    echo "Group $(id -gn)"
    echo "SystemGroup $(id -gn)"
  fi
} >"$dir/conf/cups-files.conf"

if ! "$cupsd" -t -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" >"$dir/log/check" 2>&1; then
  skip "cupsd refuses the private configuration: $(tr '\n' ' ' <"$dir/log/check")"
fi

setsid "$cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
  </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$pidfile"

server="127.0.0.1:$port"
ready=0
for _ in $(seq 100); do
  running || break
  if "$lpstat" -h "$server" -r 2>/dev/null | grep -q "is running"; then
    ready=1
    break
  fi
  sleep 0.1
done
[ $ready -eq 1 ] || skip "cupsd did not start: $(tail -5 "$dir/log/error_log" "$dir/log/cupsd.out" 2>/dev/null | tr '\n' ' ')"

if ! "$lpadmin" -h "$server" -p "$queue" -E -v "vexlofajl:$dir/out/$queue.bin" >"$dir/log/lpadmin" 2>&1; then
  skip "lpadmin could not create the raw queue: $(tr '\n' ' ' <"$dir/log/lpadmin")"
fi

echo "$server" >"$dir/server"
echo "$queue" >"$dir/queue"
echo "cupsd runs on $server with the raw queue $queue (output $dir/out/$queue.bin)"
