#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Checks that every C++ source of the tree follows the committed .clang-format.
#   scripts/check-format.sh          list the files that deviate (exit 1 when any)
#   scripts/check-format.sh --fix    rewrite them in place
set -euo pipefail
cd "$(dirname "$0")/.."
FORMAT=${CLANG_FORMAT:-clang-format}
if ! command -v "$FORMAT" >/dev/null 2>&1; then
  echo "check-format: $FORMAT is not installed" >&2
  exit 1
fi
mapfile -d '' files < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h')
if [ "${1:-}" = "--fix" ]; then
  "$FORMAT" -i "${files[@]}"
  exit 0
fi
bad=0
for f in "${files[@]}"; do
  if ! "$FORMAT" --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f"
    bad=1
  fi
done
exit $bad
