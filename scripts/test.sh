#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core and GUI suites
# (GUI on the offscreen platform), the same suites under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short fuzz run of every reader and parser.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS="${FUZZ_SECONDS:-20}"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
export QV_NO_SPLASH_WAIT=1

bash scripts/install-deps.sh

started=$SECONDS
stage() { printf '\n=== %s (at %d s) ===\n' "$*" $((SECONDS - started)); }
failures=0

stage "Core layering"
bash scripts/check-layers.sh || failures=$((failures + 1))

stage "Release build"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON
cmake --build build/release -j"$jobs"
stage "Tests"
(cd build/release && ctest --output-on-failure -j"$jobs") || failures=$((failures + 1))
stage "Installed tree and desktop files"
bash scripts/check-install.sh build/release || failures=$((failures + 1))

stage "Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_BUILD_BENCH=OFF -DQV_WERROR=ON
cmake --build build/asan -j"$jobs"
stage "Tests under the sanitizers"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build/asan && ctest --output-on-failure -j"$jobs") || failures=$((failures + 1))

stage "Fuzz build"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_FUZZ=ON -DQV_SANITIZE=ON -DQV_BUILD_GUI=OFF -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF \
    -DQV_WERROR=ON
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build build/fuzz -j"$jobs" --target $targets
stage "Fuzzing each reader for ${FUZZ_SECONDS} s"
fuzz_passed=0
fuzz_failed=0
for t in $targets; do
    corpus="build/fuzz/corpus/$t"
    mkdir -p "$corpus"
    seeds=()
    [ -d "tests/data/fuzz/$t" ] && seeds=("tests/data/fuzz/$t")
    if build/fuzz/bin/"$t" -max_total_time="$FUZZ_SECONDS" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=0 "$corpus" "${seeds[@]}" >"build/fuzz/$t.log" 2>&1; then
        echo "$t: no crash"
        fuzz_passed=$((fuzz_passed + 1))
    else
        echo "$t: FAILED"
        tail -40 "build/fuzz/$t.log"
        fuzz_failed=$((fuzz_failed + 1))
    fi
done
echo "fuzz: ${fuzz_passed} passed, ${fuzz_failed} failed"
[ "$fuzz_failed" -eq 0 ] || failures=$((failures + 1))

if [ "$failures" -ne 0 ]; then
    echo "Some stages failed."
    exit 1
fi
echo "All stages passed in $((SECONDS - started)) s."
