#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DWLR7_TESTS=OFF >/dev/null
cmake --build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Keine grafische Anzeige gefunden (DISPLAY ist nicht gesetzt)." >&2
  echo "Starten Sie das Programm auf einem Desktop oder in einer virtuellen Anzeige, z. B.:" >&2
  echo "  xvfb-run -s '-screen 0 1024x768x24' build/shell/wlr7sinus" >&2
  exit 1
fi
exec build/shell/wlr7sinus "$@"
