#!/usr/bin/env bash
# Sets up what is missing, builds Pondrake and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$here/build/bin/pondrake"
