#!/usr/bin/env bash
# Checks that every file of the tree names its copyright and licence (reuse lint, which leaves
# out what git ignores, such as the build folders), and that the package's copyright names the
# same groups of files as .reuse/dep5, so that no file from elsewhere ships without its terms.
# Usage: check-licences.sh SOURCE_DIR
set -euo pipefail
cd "$1"
reuse lint
files() { grep '^Files:' "$1" | sort; }
if ! diff <(files .reuse/dep5) <(files dist/copyright.in); then
  echo "dist/copyright.in (>) and .reuse/dep5 (<) name different files" >&2
  exit 1
fi
