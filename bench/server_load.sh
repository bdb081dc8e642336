#!/usr/bin/env bash
# The world table's server under load, on SQLite and then on PostgreSQL 15, beside the bare
# verification rate of the same games (bench/ServerLoadBench.cpp says what is measured).
#   bench/server_load.sh [BUILD] [GAMES] [server_load_bench options...]
# BUILD is the build folder (build), GAMES the number of distinct games (2000): the self-contained
# golden games of tests/server/games and computer-player games of the shipped pack at many seeds,
# made here by server_games (or a folder of games made before, to measure the same games again). The PostgreSQL run uses a throwaway cluster in a scratch folder under
# /tmp (Unix socket only, fsync on as a real one has it), stopped and removed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
count=${2:-2000}
shift $(($# > 2 ? 2 : $#))
pg=/usr/lib/postgresql/15/bin

work=$(mktemp -d /tmp/pondrake-load-XXXXXX)
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$work"
  as_owner=(runuser -u postgres --)
fi
cleanup() {
  if [ -d "$work/data" ]; then
    "${as_owner[@]}" "$pg/pg_ctl" -D "$work/data" -m immediate stop >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

games=$work/games
if [ -d "$count" ]; then
  games=$(cd "$count" && pwd)
else
  mkdir "$games"
  # Whole games only: bot-continued starts at level 22, which the server refuses.
  cp "$root"/tests/server/games/{bot-pack,played-3-levels,continued-whole}.replay "$games/"
  echo "making $((count - 3)) computer-player games..."
  "$build/bin/server_games" bot 100 $((count - 3)) "$root/data/levels" "$games"
fi

status=0
echo "== SQLite (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
"$build/bin/server_load_bench" "$build/bin/pondrake-server" "$games" "$@" || status=1

if [ ! -x "$pg/initdb" ]; then
  echo "PostgreSQL 15 is not installed ($pg/initdb): no second run"
  exit $status
fi
"${as_owner[@]}" "$pg/initdb" -D "$work/data" -U pondrake --auth=trust -E UTF8 --locale=C.UTF-8 >/dev/null
"${as_owner[@]}" "$pg/pg_ctl" -D "$work/data" -l "$work/log" -w -o "-k $work -c listen_addresses=''" start >/dev/null
"$pg/createdb" -h "$work" -U pondrake world
echo "== PostgreSQL 15 (load average before: $(cut -d' ' -f1-3 /proc/loadavg))"
"$build/bin/server_load_bench" "$build/bin/pondrake-server" "$games" \
  --database "postgresql://pondrake@/world?host=$work" "$@" || status=1
exit $status
