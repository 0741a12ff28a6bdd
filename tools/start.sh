#!/usr/bin/env bash
# Installs what is missing, builds the utility and starts it. On a machine
# without a display it starts it on a virtual display instead, saves a
# screenshot of the main window under the build folder, and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset dev
cmake --build --preset dev --target kestrune
app=build/dev/ui/kestrune

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$app"
fi

shot="$PWD/build/dev/main-window.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    sleep 4
    import -window root "$2"
    kill "$pid"
' _ "$app" "$shot"
echo "No display: started the utility on a virtual display; screenshot saved to $shot"
