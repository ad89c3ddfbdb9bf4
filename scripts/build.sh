#!/usr/bin/env bash
# Installs what the project needs, then configures and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Boundary data for the map, pinned by data/package-lock.json (npm checks its integrity).
npm ci --prefix data --no-audit --no-fund --loglevel=error
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DONDRELL_WERROR="${ONDRELL_WERROR:-OFF}"
cmake --build build
