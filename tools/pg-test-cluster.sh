#!/usr/bin/env bash
# A private PostgreSQL cluster for the tests of the server book:
#   pg-test-cluster.sh start DIR   makes (first time) and starts a cluster in DIR/cluster,
#                                  prints the ODBC connection string, also kept in
#                                  DIR/connection.txt; a running one is reused
#   pg-test-cluster.sh stop DIR    stops it (nothing when it is not running); started
#                                  again, it listens at its old port when that is free
#   … --unless-given               does nothing when QH_TEST_SERVER already names one
# It listens only on 127.0.0.1 at a free port, with a password (so a wrong one is
# refused as on a shop's server) and fsync off for speed. Nothing of the machine's own
# PostgreSQL is touched: no system service, no system data folder. As root the server
# runs as the postgres user, which PostgreSQL insists on.
set -euo pipefail
cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: pg-test-cluster.sh start|stop DIR" >&2; exit 2; }
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -x "$bin/initdb" ] || { echo "PostgreSQL is not installed (tools/setup.sh installs it)" >&2; exit 1; }
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
data=$dir/cluster
user=notewriter
password=notewriter-test
database=notebook

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

running() { [ -f "$data/postmaster.pid" ] && as_owner "$bin/pg_ctl" -D "$data" status >/dev/null 2>&1; }

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

port_free() {
  python3 -c 'import socket,sys; socket.socket().bind(("127.0.0.1", int(sys.argv[1])))' "$1" 2>/dev/null
}

connection() {
  echo "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=$1;Database=$database;Uid=$user;Pwd=$password;"
}

start() {
  if running; then cat "$dir/connection.txt"; return; fi
  if [ ! -f "$data/PG_VERSION" ]; then
    rm -rf "$data"
    mkdir -p "$data"
    echo "$password" >"$dir/pwfile"
    [ "$(id -u)" -ne 0 ] || chown -R postgres: "$dir"
    as_owner "$bin/initdb" -D "$data" -U "$user" --pwfile="$dir/pwfile" --auth=scram-sha-256 \
      -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  fi
  # Started again, it comes back at its address, as a shop's server does after a restart.
  local port
  port=$(sed -n 's/.*;Port=\([0-9]*\);.*/\1/p' "$dir/connection.txt" 2>/dev/null || true)
  if [ -z "$port" ] || ! port_free "$port"; then port=$(free_port); fi
  as_owner "$bin/pg_ctl" -D "$data" -l "$dir/server.log" -w -t 60 start \
    -o "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories='$data' -c fsync=off \
        -c synchronous_commit=off -c full_page_writes=off -c max_connections=60" >/dev/null ||
    { tail -20 "$dir/server.log" >&2; exit 1; }
  if ! PGPASSWORD=$password "$bin/psql" -h 127.0.0.1 -p "$port" -U "$user" -d postgres -tAc \
    "SELECT 1 FROM pg_database WHERE datname = '$database'" | grep -q 1; then
    PGPASSWORD=$password "$bin/createdb" -h 127.0.0.1 -p "$port" -U "$user" -E UTF8 "$database"
  fi
  connection "$port" >"$dir/connection.txt"
  cat "$dir/connection.txt"
}

stop() {
  running || return 0
  as_owner "$bin/pg_ctl" -D "$data" -m fast -w -t 60 stop >/dev/null
}

# Under ctest: a cluster the caller already gave (QH_TEST_SERVER) is used as it is.
if [ -n "${QH_TEST_SERVER:-}" ] && [ "${3:-}" = "--unless-given" ]; then
  [ "$cmd" = start ] && echo "$QH_TEST_SERVER" >"$dir/connection.txt"
  exit 0
fi

case "$cmd" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: pg-test-cluster.sh start|stop DIR" >&2; exit 2 ;;
esac
