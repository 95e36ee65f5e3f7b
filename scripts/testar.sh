#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as a normal build
# and once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S "$raiz" -B "$raiz/build/testes" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLETA_BENCH=OFF
cmake --build "$raiz/build/testes" -j "$jobs"
ctest --test-dir "$raiz/build/testes" --output-on-failure -j "$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S "$raiz" -B "$raiz/build/sanitizadores" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLETA_SANITIZE=ON -DVORLETA_BENCH=OFF
cmake --build "$raiz/build/sanitizadores" -j "$jobs"
ctest --test-dir "$raiz/build/sanitizadores" --output-on-failure -j "$jobs"
