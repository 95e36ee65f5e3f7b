#!/usr/bin/env bash
# Builds in release mode and prints the benchmark table: dictionary load and
# index, pattern generation and keys, fills and puzzles per side, 30-puzzle
# books per side, a 100-puzzle 15 x 15 book and its PDF.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"
cmake -S "$raiz" -B "$raiz/build/bench" -DCMAKE_BUILD_TYPE=Release -DVORLETA_TESTS=OFF -DVORLETA_APP=OFF
cmake --build "$raiz/build/bench" -j "$(nproc)" --target vorleta-bench-nucleo vorleta-bench-livros
"$raiz/build/bench/bench/vorleta-bench-nucleo" --benchmark_counters_tabular=true
echo
"$raiz/build/bench/bench/vorleta-bench-livros" "$@"
