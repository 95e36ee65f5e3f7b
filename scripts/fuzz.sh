#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SEGUNDOS seconds (30 by
# default) from its committed seed corpus. Any crash, leak or report fails.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-30}"
bash "$raiz/scripts/instalar-dependencias.sh"
cmake -S "$raiz" -B "$raiz/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DVORLETA_FUZZ=ON -DVORLETA_TESTS=OFF -DVORLETA_APP=OFF -DVORLETA_BENCH=OFF
cmake --build "$raiz/build/fuzz" -j "$(nproc)" --target fuzz_dicionario fuzz_padrao fuzz_biblioteca fuzz_opcoes fuzz_pdf
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for alvo in dicionario padrao biblioteca opcoes pdf; do
  trabalho="$raiz/build/fuzz/corpus-$alvo"
  registo="$raiz/build/fuzz/registo-$alvo.txt"
  mkdir -p "$trabalho"
  echo "== fuzz_$alvo ($segundos s)"
  if ! "$raiz/build/fuzz/fuzz/fuzz_$alvo" -max_total_time="$segundos" -max_len=8192 -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$raiz/build/fuzz/falha-$alvo-" "$trabalho" "$raiz/fuzz/corpus/$alvo" \
      > "$registo" 2>&1; then
    tail -n 60 "$registo"
    echo "fuzz_$alvo falhou"
    exit 1
  fi
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|DONE" "$registo" || true
done
