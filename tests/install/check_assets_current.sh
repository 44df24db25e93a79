#!/usr/bin/env bash
# Redraws every picture into a scratch folder and compares it with the committed assets/, so a
# change to the drawing program that was not followed by `cmake --build ... --target assets`
# is caught. Usage: check_assets_current.sh DRAW_ASSETS_PROGRAM ASSETS_DIR
set -euo pipefail
scratch=$(mktemp -d "${TMPDIR:-/tmp}/classifier-assets.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=offscreen "$1" "$scratch" >/dev/null
if ! diff -r "$scratch" "$2"; then
    echo "FAIL: assets/ is not what the drawing program draws; run the 'assets' target" >&2
    exit 1
fi
echo "assets/ matches the drawing program"
