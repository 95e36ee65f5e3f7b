#!/usr/bin/env bash
# Installs what is missing, builds and starts the window. Without a display it
# says so and points to the headless tool, which it has built too.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"
cmake -S "$raiz" -B "$raiz/build/app" -DCMAKE_BUILD_TYPE=Release -DVORLETA_TESTS=OFF -DVORLETA_BENCH=OFF
cmake --build "$raiz/build/app" -j "$(nproc)" --target vorleta vorleta-livro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Não há ecrã para mostrar a janela. Para fazer um livro sem janela:"
  echo "  $raiz/build/app/src/vorleta-livro --ajuda"
  exit 1
fi
exec "$raiz/build/app/src/vorleta" "$@"
