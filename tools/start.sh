#!/usr/bin/env bash
# Installs what is missing, builds the utility and starts it. On a machine
# without a display it starts it on a virtual display instead, waits until the
# main window is on screen (its values are loaded before it is shown), saves a
# screenshot of the main window under the build folder, says where, and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset dev
cmake --build --preset dev --target kestrune
app="$PWD/build/dev/ui/kestrune"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$app"
fi

shot="$PWD/build/dev/main-window.png"
rm -f "$shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    app=$1 shot=$2
    "$app" & pid=$!
    # The main window is mapped once it has loaded its values; its caption
    # begins with the product name.
    window=""
    for _ in $(seq 300); do
        window=$(xwininfo -root -tree 2>/dev/null |
                 awk "/\"Baldur.s Gate - Kestrune - / { print \$1; exit }")
        if [ -n "$window" ] && xwininfo -id "$window" | grep -q "Map State: IsViewable"; then
            break
        fi
        window=""
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "start: the utility ended before its window appeared" >&2
            exit 1
        fi
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "start: the main window did not appear within 30 seconds" >&2
        kill "$pid"
        exit 1
    fi
    sleep 0.5  # let the first paint finish
    import -window "$window" "$shot"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' _ "$app" "$shot"
echo "No display: started the utility on a virtual display; screenshot of the main window saved to $shot"
