#!/usr/bin/env bash
# Builds the program and starts it on a local demo database.
#
# On the first run it installs what is missing, builds, creates a private
# MariaDB server in the user's data folder (own data folder, port and
# socket, latin2 / latin2_hungarian_ci), loads the schema script and the demo
# salon, and writes the connection entry into a VexloF.ini beside the
# executable (the program then keeps all its settings there). Later runs
# reuse the server and the database they made.
#
#   scripts/demo.sh          set up and start the program
#   scripts/demo.sh --stop   stop the demo database server
#   scripts/demo.sh --reset  drop the demo database and load it anew
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
srv="$data_home/vexlof-demo/mariadb"
db=vexlof
user=vexlof
pass=demo-jelszo
name="Vexlo.F demó szalon"

if [ "${1:-}" = "--stop" ]; then
  exec "$here/scripts/mariadb-private.sh" stop "$srv"
fi

"$here/scripts/install-deps.sh"
# Only the program, its configuration tool and the schema script: the test
# suite is built by scripts/test.sh.
"$here/scripts/build.sh" vexlof vexlof-konfig vexlof_schema

port=$("$here/scripts/mariadb-private.sh" start "$srv")
sql() { "$here/scripts/mariadb-private.sh" client "$srv" --default-character-set=utf8mb4 "$@"; }

if [ "${1:-}" = "--reset" ]; then
  sql -e "DROP DATABASE IF EXISTS \`$db\`"
fi
if [ -z "$(sql -N -e "SHOW DATABASES LIKE '$db'")" ]; then
  echo "Creating the demo database '$db' on port $port ..."
  sql -e "CREATE DATABASE \`$db\` CHARACTER SET latin2 COLLATE latin2_hungarian_ci;
          CREATE USER IF NOT EXISTS '$user'@'localhost' IDENTIFIED BY '$pass';
          CREATE USER IF NOT EXISTS '$user'@'127.0.0.1' IDENTIFIED BY '$pass';
          GRANT ALL ON \`$db\`.* TO '$user'@'localhost';
          GRANT ALL ON \`$db\`.* TO '$user'@'127.0.0.1';"
  sql "$db" <"$build/sql/vexlof.sql"
  sql "$db" <"$here/sql/demo.sql"
fi

ini="$build/src/app/VexloF.ini"
"$build/src/tools/vexlof-konfig" --ini "$ini" --nev "$name" --adatbazis "$db" \
  --kiszolgalo 127.0.0.1 --port "$port" --felhasznalo "$user" --jelszo "$pass" >/dev/null

echo "Demo database: 127.0.0.1:$port/$db (server folder $srv)"
echo "Log in as: rendszergazda / kobzeti"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: start the program on a desktop with $build/src/app/vexlof"
  echo "(or headless: xvfb-run -a -s '-screen 0 1280x800x24' $build/src/app/vexlof)"
  exit 0
fi
exec "$build/src/app/vexlof"
