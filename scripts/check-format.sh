#!/usr/bin/env bash
# Fails when a C++ file of the sources, the tests or the benchmarks is not written as
# .clang-format says, and names those files; `clang-format -i FILE` writes one so. In a git
# clone the tracked files are checked, elsewhere every *.cpp and *.h under those folders.
# Exit status 77 when clang-format is missing (the Debian package clang-format gives it).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
if ! command -v clang-format >/dev/null 2>&1; then
  echo "check-format: clang-format is not installed, nothing checked"
  exit 77
fi
folders=(src tests bench)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- "${folders[@]/%//*.cpp}" "${folders[@]/%//*.h}")
else
  mapfile -t files < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
unformatted=()
for file in "${files[@]}"; do
  [ -f "$file" ] || continue
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check-format: these files are not formatted (clang-format -i FILE):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "check-format: ${#files[@]} files, all formatted"
