#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Vorleta.
set -euo pipefail
pacotes=(g++ cmake make pkg-config libgtest-dev libbenchmark-dev
         libcairo2-dev libfreetype-dev libpng-dev qt6-base-dev
         poppler-utils xvfb xauth clang libclang-rt-14-dev)
em_falta=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || em_falta+=("$p")
done
if [ ${#em_falta[@]} -gt 0 ]; then
  echo "A instalar: ${em_falta[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${em_falta[@]}"
fi
