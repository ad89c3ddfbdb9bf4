#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/bin/ondrell ]; then
  exec build/bin/ondrell "$@"
fi
exec build/bin/ondrell-tool "${@:---help}"
