#!/usr/bin/env bash
# Builds the web page (CMake preset "web") and serves build/web on http://localhost:8000
# with Python's http.server until Ctrl+C. PORT chooses another port; BIND another address
# than 127.0.0.1 (0.0.0.0: reachable from other machines).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
port=${PORT:-8000}
bind=${BIND:-127.0.0.1}

if ! command -v em++ >/dev/null; then
    echo "serve-web: Emscripten is missing; run: sudo bash tools/setup-debian.sh" >&2
    exit 1
fi
cmake --preset web >/dev/null
cmake --build --preset web
echo "Sinuet: http://localhost:$port/ (Ctrl+C ends the server)"
exec python3 -m http.server --bind "$bind" --directory build/web "$port"
