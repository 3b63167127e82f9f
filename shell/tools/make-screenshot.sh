#!/usr/bin/env bash
# Rebuilds the screenshot tool and refreshes docs/screenshot.png from the
# window as drawn offscreen. Usage: shell/tools/make-screenshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/release}
cmake -S "$root" -B "$build" -DZT_GUI=ON >/dev/null
cmake --build "$build" --target zt_screenshot -j "$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/bin/zt_screenshot" "$root/docs/screenshot.png"
echo "wrote $root/docs/screenshot.png"
