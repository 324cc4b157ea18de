#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted with the
# repository's .clang-format (clang-format --dry-run --Werror). Prints the
# files that are not and fails; `clang-format -i FILE` formats one.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
mapfile -d '' files < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
bad=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    bad+=("$f")
  fi
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted with clang-format (.clang-format):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "clang-format: ${#files[@]} files formatted"
