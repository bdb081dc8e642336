#!/usr/bin/env bash
# Runs the server's tests against a throwaway PostgreSQL 15 cluster: made in a scratch folder
# under /tmp, listening only on a Unix socket in that folder (no TCP), stopped and removed at the
# end whatever happens. initdb refuses root, so as root the cluster is run by the postgres user.
# Exits 77 (skipped) when PostgreSQL 15 is not installed.
# Usage: with_postgres.sh <server_tests program> [gtest arguments...]
set -euo pipefail
tests=${1:?server_tests program}
shift
bin=/usr/lib/postgresql/15/bin
[ -x "$bin/initdb" ] || { echo "SKIP: PostgreSQL 15 is not installed ($bin/initdb)"; exit 77; }

dir=$(mktemp -d /tmp/pondrake-pg-XXXXXX)
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$dir"
  as_owner=(runuser -u postgres --)
fi
cleanup() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap cleanup EXIT

"${as_owner[@]}" "$bin/initdb" -D "$dir/data" -U pondrake --auth=trust --no-sync -E UTF8 --locale=C.UTF-8 \
  >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log"; exit 1; }
# Starts or stops the cluster: the restart test stops it under a running server.
cat >"$dir/cluster" <<EOF
#!/bin/sh
exec >/dev/null
case "\$1" in
  start) exec ${as_owner[*]} $bin/pg_ctl -D $dir/data -l $dir/log -w -o "-k $dir -c listen_addresses='' -c fsync=off" start ;;
  stop) exec ${as_owner[*]} $bin/pg_ctl -D $dir/data -m fast -w stop ;;
esac
EOF
chmod 755 "$dir/cluster"
"$dir/cluster" start || { cat "$dir/log"; exit 1; }
for database in refusals accepted queue kill restart pages languages nothing publishing published; do
  "$bin/createdb" -h "$dir" -U pondrake "$database"
done
PONDRAKE_TEST_POSTGRES=$dir PONDRAKE_TEST_POSTGRES_CLUSTER=$dir/cluster "$tests" "$@"
# The tables the servers made keep their replays with lz4 (l), not PostgreSQL's default (empty).
compression=$("$bin/psql" -h "$dir" -U pondrake -Atc \
  "SELECT attcompression FROM pg_attribute WHERE attrelid = 'games'::regclass AND attname = 'replay'" accepted)
[ "$compression" = l ] || { echo "replays are stored with compression '$compression', not lz4"; exit 1; }
