#!/usr/bin/env bash
# Installs what is missing, builds Quorvantile and starts it on the sample database.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/bin/quorvantile build/release/share/quorvantile/lotto649.dat "$@"
