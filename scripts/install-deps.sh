#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Lumo need.
# Packages already present are left alone; apt-get update runs at most once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  fonts-liberation2 locales
  xvfb xauth xdotool x11-utils imagemagick openbox
  clang libclang-rt-14-dev
  qt6-translations-l10n libqt6svg6 xdg-utils
  librsvg2-bin desktop-file-utils appstream dpkg-dev fakeroot lintian file
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: every package is already installed."
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "install-deps: these packages are missing and I am neither root nor have sudo: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
echo "install-deps: apt-get update"
"${sudo[@]}" apt-get update -q
echo "install-deps: apt-get install"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "install-deps: done."
