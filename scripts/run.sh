#!/usr/bin/env bash
# Installs what is missing, builds the window and soil-classify into build/ and starts the window.
# Needs a display: an X server (DISPLAY) or a Wayland session with Qt's Wayland plugin.
set -euo pipefail
cd "$(dirname "$0")/.."

# True when DISPLAY names an X server that can be reached. A local display (":0", "unix:0")
# is checked for its socket; a remote one ("host:10.0") is taken as it is.
x_display_available() {
    [ -n "${DISPLAY:-}" ] || return 1
    if [[ $DISPLAY =~ ^(unix)?:([0-9]+) ]]; then
        [ -S "/tmp/.X11-unix/X${BASH_REMATCH[2]}" ]
    fi
}

wayland_available() {
    [ -n "${WAYLAND_DISPLAY:-}" ] || return 1
    compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so" >/dev/null
}

if ! x_display_available && ! wayland_available; then
    echo "soil-classifier: no display available (set DISPLAY to a running X server, or use xvfb-run)" >&2
    exit 1
fi

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel --target soil-classifier soil-classify
exec build/ui/soil-classifier
