#!/usr/bin/env bash
# Checks (or with --fix rewrites) the formatting of the C++ files changed since
# a base commit (default: origin/main if present, else the previous commit).
#   tools/format.sh [--fix] [base]
set -euo pipefail
cd "$(dirname "$0")/.."
fix=0
[ "${1:-}" = "--fix" ] && { fix=1; shift; }
base=${1:-$(git rev-parse -q --verify origin/main || git rev-parse HEAD~1)}
command -v clang-format >/dev/null || { echo "format: clang-format is not installed (apt-get install clang-format)"; exit 1; }
mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h')
[ ${#files[@]} -eq 0 ] && { echo "format: no changed C++ files"; exit 0; }
if [ $fix = 1 ]; then clang-format -i "${files[@]}"; else clang-format --dry-run --Werror "${files[@]}"; fi
