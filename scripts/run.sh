#!/usr/bin/env bash
# Installs what is missing, builds Trimvale and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh program
cmake --preset default
cmake --build --preset default
exec build/default/app/trimvale
