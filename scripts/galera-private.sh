#!/usr/bin/env bash
# A private three-node MariaDB Galera cluster on this machine, for tests:
# loopback ports, one folder per node under DIR, server defaults latin2 /
# latin2_hungarian_ci, state transfer by rsync. Nothing is installed: the
# state-transfer scripts come from the mariadb-server package, downloaded
# and unpacked into DIR/deb (its install would start a system service).
#
#   galera-private.sh check DIR    exit 0 when the cluster can run here;
#                                  otherwise exit 3 with the reason on stdout
#   galera-private.sh start DIR    starts node 1 as a new cluster, then nodes
#                                  2 and 3; prints the three SQL ports
#   galera-private.sh kill DIR N   kills node N at once (SIGKILL)
#   galera-private.sh stop DIR     stops every node (SIGTERM, then SIGKILL)
#   galera-private.sh client DIR N [mariadb arguments...]
#
# Node 1 holds a user "vexlof"@"%" with the password "furt" and every right.
set -euo pipefail
export PATH="$PATH:/usr/sbin:/sbin"

cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 check|start|kill|stop|client DIR ..." >&2; exit 2; }
shift 2
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
provider=/usr/lib/galera/libgalera_smm.so
me=$(id -un)

port_in_use() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
node_pid() { [ -f "$dir/n$1/pid" ] && cat "$dir/n$1/pid" 2>/dev/null || true; }
alive() { local p; p=$(node_pid "$1"); [ -n "$p" ] && kill -0 "$p" 2>/dev/null; }
client() { local n=$1; shift; mariadb --no-defaults -uroot --socket="$dir/n$n/sock" "$@"; }
status() { client "$1" -N -e "SHOW STATUS LIKE '$2'" 2>/dev/null | cut -f2; }

# The state-transfer scripts: installed ones, or the package unpacked here.
sst_bin() {
  if [ -x /usr/bin/wsrep_sst_rsync ] && [ -x /usr/bin/wsrep_sst_common ]; then
    # A private copy all the same: it is patched below.
    mkdir -p "$dir/deb/usr/bin"
    cp /usr/bin/wsrep_sst_rsync /usr/bin/wsrep_sst_common "$dir/deb/usr/bin/"
  elif [ ! -x "$dir/deb/usr/bin/wsrep_sst_rsync" ]; then
    mkdir -p "$dir/deb"
    (cd "$dir/deb" && apt-get download -qq mariadb-server >/dev/null 2>&1 &&
      dpkg-deb -x mariadb-server_*.deb . && rm -f mariadb-server_*.deb) || return 1
  fi
  # rsync's daemon drops to nobody when started as root, and then cannot
  # write the joiner's data folder: keep it as the user the node runs as.
  if ! grep -q "^uid = $me\$" "$dir/deb/usr/bin/wsrep_sst_rsync"; then
    sed -i "s/^use chroot = no\$/use chroot = no\nuid = $me\ngid = $(id -gn)/" \
      "$dir/deb/usr/bin/wsrep_sst_rsync"
  fi
  [ -x "$dir/deb/usr/bin/wsrep_sst_rsync" ]
}

check() {
  [ -f "$provider" ] || { echo "galera-4 is not installed ($provider missing)"; return 3; }
  command -v rsync >/dev/null || { echo "rsync is not installed"; return 3; }
  command -v mariadbd >/dev/null || { echo "mariadbd (mariadb-server-core) is not installed"; return 3; }
  command -v mariadb-install-db >/dev/null || { echo "mariadb-install-db is not installed"; return 3; }
  sst_bin || { echo "the state-transfer scripts are missing and mariadb-server could not be downloaded (apt-get download mariadb-server)"; return 3; }
  return 0
}

choose_ports() {
  local base ok i
  for _ in $(seq 1 100); do
    base=$(( 20000 + (RANDOM % 2900) * 10 ))
    ok=1
    for i in $(seq 0 12); do port_in_use $((base + i)) && { ok=0; break; }; done
    [ $ok -eq 1 ] && { echo "$base"; return; }
  done
  echo "no free ports" >&2; exit 1
}

write_conf() {
  local n=$1 base=$2 d="$dir/n$1"
  local sql=$((base + n)) g=$((base + 3 + n)) ist=$((base + 6 + n)) sst=$((base + 9 + n))
  mkdir -p "$d/data" "$d/tmp"
  cat >"$d/my.cnf" <<EOF
[mariadbd]
datadir=$d/data
tmpdir=$d/tmp
socket=$d/sock
pid-file=$d/pid
port=$sql
bind-address=127.0.0.1
user=$me
character-set-server=latin2
collation-server=latin2_hungarian_ci
log-error=$d/error.log
skip-log-bin
binlog-format=ROW
default-storage-engine=InnoDB
innodb-autoinc-lock-mode=2
innodb-buffer-pool-size=64M
innodb-flush-log-at-trx-commit=2
innodb-doublewrite=0
wsrep-on=ON
wsrep-provider=$provider
wsrep-cluster-name=vexlof_teszt
wsrep-cluster-address=gcomm://127.0.0.1:$((base + 4)),127.0.0.1:$((base + 5)),127.0.0.1:$((base + 6))
wsrep-node-name=n$n
wsrep-node-address=127.0.0.1:$g
wsrep-node-incoming-address=127.0.0.1:$sql
wsrep-provider-options=gmcast.listen_addr=tcp://127.0.0.1:$g;ist.recv_addr=127.0.0.1:$ist;gcache.size=32M;evs.suspect_timeout=PT3S;evs.inactive_timeout=PT6S
wsrep-sst-method=rsync
wsrep-sst-receive-address=127.0.0.1:$sst
EOF
  echo "$sql" >"$d/port"
}

start_node() {
  local n=$1; shift
  PATH="$dir/deb/usr/bin:$PATH" setsid mariadbd --defaults-file="$dir/n$n/my.cnf" "$@" \
    </dev/null >"$dir/n$n/stdout.log" 2>&1 &
}

wait_synced() {
  local n=$1 s
  for _ in $(seq 1 600); do
    s=$(status "$n" wsrep_local_state_comment) || true
    [ "$s" = "Synced" ] && return 0
    sleep 0.1
  done
  echo "node $n did not join the cluster; see $dir/n$n/error.log" >&2
  tail -n 30 "$dir/n$n/error.log" >&2 || true
  return 1
}

stop_node() {
  local n=$1 p
  p=$(node_pid "$n")
  [ -n "$p" ] || return 0
  kill "$p" 2>/dev/null || true
  for _ in $(seq 1 100); do kill -0 "$p" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$p" 2>/dev/null || true
}

case "$cmd" in
check)
  check ;;
start)
  check >/dev/null || { check; exit 3; }
  for n in 1 2 3; do stop_node "$n"; done
  rm -rf "$dir/n1" "$dir/n2" "$dir/n3"
  base=$(choose_ports)
  for n in 1 2 3; do write_conf "$n" "$base"; done
  mariadb-install-db --no-defaults --datadir="$dir/n1/data" --user="$me" \
    --auth-root-authentication-method=normal --skip-test-db >"$dir/n1/install.log" 2>&1 \
    || { cat "$dir/n1/install.log" >&2; exit 1; }
  start_node 1 --wsrep-new-cluster
  wait_synced 1
  client 1 -e "CREATE USER 'vexlof'@'%' IDENTIFIED BY 'furt';
               CREATE USER 'vexlof'@'localhost' IDENTIFIED BY 'furt';
               GRANT ALL ON *.* TO 'vexlof'@'%'; GRANT ALL ON *.* TO 'vexlof'@'localhost';"
  # One joiner at a time: a donor serves one state transfer.
  start_node 2
  wait_synced 2
  start_node 3
  wait_synced 3
  echo "$(cat "$dir/n1/port") $(cat "$dir/n2/port") $(cat "$dir/n3/port")"
  ;;
kill)
  p=$(node_pid "$1"); [ -n "$p" ] && kill -9 "$p" 2>/dev/null || true
  ;;
stop)
  for n in 1 2 3; do stop_node "$n"; done
  ;;
client)
  client "$@"
  ;;
*)
  echo "unknown command $cmd" >&2; exit 2 ;;
esac
