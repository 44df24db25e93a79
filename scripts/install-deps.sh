#!/usr/bin/env bash
# Installs the Debian packages this project needs to build, run and test.
# A no-op when everything is already present. Runs apt-get as root, sudo otherwise.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev clang-format
  # libraries
  qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libbenchmark-dev
  # soil-classify: its options and its JSON Lines output
  libcli11-dev nlohmann-json3-dev
  # the picture-drawing tool writes its JPEGs through libjpeg
  libjpeg-dev
  # fonts that show Persian text at the window's sizes
  fonts-noto-ui-core fonts-dejavu-core
  # Qt's own texts (message box buttons, context menus) in the desktop's language
  qt6-translations-l10n
  # localedef and the locale sources, for the tests of files written on a decimal-comma desktop
  locales
  # the web links open the desktop's default browser through xdg-open
  xdg-utils
  # a virtual display and screenshots, for running the window without a screen
  xvfb xauth imagemagick
  # checks of the installed desktop files
  desktop-file-utils appstream
  # locale sources, from which a test makes a locale that writes a decimal comma
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
