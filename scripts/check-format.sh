#!/usr/bin/env bash
# Checks that every C++ file in the repository is laid out as .clang-format says and names the
# files that are not. `scripts/check-format.sh --fix` lays them out.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! output=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  grep -o '^[^:]*\.\(cpp\|h\)' <<<"$output" | sort -u | sed 's/^/not formatted: /' >&2
  echo "Lay them out with scripts/check-format.sh --fix." >&2
  exit 1
fi
