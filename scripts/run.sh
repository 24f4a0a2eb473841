#!/usr/bin/env bash
# Installs what is missing, builds Quorvantile and starts it on the sample database.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# A folder of its own: the test command builds build/release with the tests and benchmarks,
# so neither run rebuilds what the other built.
cmake -S . -B build/app -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF
cmake --build build/app -j"$(nproc)"
exec build/app/bin/quorvantile build/app/share/quorvantile/lotto649.dat "$@"
