#!/usr/bin/env bash
# Fails when a source names one of our headers without its folder from src/ ("Edit.h" for
# "platform/Edit.h") or through "..": the compiler finds such a header beside the including
# file before it looks in the include roots, so the layers' roots could not stop it.
#   check-includes.sh FILE...
set -uo pipefail
found=$(grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"/]*|[^"]*\.\.[^"]*)"' "$@")
if [ -n "$found" ]; then
  echo "check-includes: name the header's folder from src/ (\"platform/Edit.h\"):"
  echo "$found"
  exit 1
fi
exit 0
