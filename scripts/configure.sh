#!/usr/bin/env bash
# Configures a build folder with CMake and Ninja. An existing folder is configured afresh
# whenever the build type or the CMake flags differ from those it was made with (a new cache,
# so that a flag left out is dropped too). Flags after -- are the ones a make target adds
# (make test: warnings are errors); they are applied to an existing cache that holds other
# values, unless CMAKE_FLAGS sets the same variable.
#   configure.sh BUILD_DIR BUILD_TYPE "CMAKE_FLAGS" [-- -DNAME=VALUE...]
# CMAKE_FLAGS is split at blanks.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1 type=$2 flags=$3
shift 3
[ "${1:-}" = -- ] && shift
read -ra own <<<"$flags"
added=()
for flag in "$@"; do
  name=${flag#-D}
  name=${name%%=*}
  name=${name%%:*}
  [[ " $flags " == *" -D$name="* || " $flags " == *" -D$name:"* ]] || added+=("$flag")
done

configuration="$type $flags"
stamp=$dir/.tarvel-configuration
if [ ! -f "$dir/build.ninja" ] || [ ! -f "$dir/CMakeCache.txt" ] ||
  [ "$(cat "$stamp" 2>/dev/null)" != "$configuration" ]; then
  rm -f "$dir/CMakeCache.txt" "$stamp"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${added[@]}" "${own[@]}"
  printf '%s\n' "$configuration" >"$stamp"
  exit 0
fi
for flag in "${added[@]}"; do
  name=${flag#-D}
  value=${name#*=}
  name=${name%%=*}
  name=${name%%:*}
  if ! grep -qx "$name:[A-Z]*=$value" "$dir/CMakeCache.txt"; then
    cmake -S . -B "$dir" "${added[@]}"
    break
  fi
done
