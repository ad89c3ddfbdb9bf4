#!/usr/bin/env bash
# Sets up, builds and runs every test (unit, tool and headless GUI tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --test-dir build --output-on-failure
