#!/usr/bin/env bash
# Installs what is missing, builds Trimvale with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset test
cmake --build --preset test
ctest --preset test
