#!/usr/bin/env bash
# Fails when clang-format (with the project's .clang-format) would change any C++ file tracked by
# git, and names those files. Fix them with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r file; do
  clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if ((${#bad[@]})); then
  echo "Not formatted as .clang-format says: ${bad[*]}" >&2
  exit 1
fi
echo "Format: every C++ file as .clang-format says"
