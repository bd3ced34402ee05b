#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some
# are missing. Works as root and through sudo.
set -euo pipefail

packages=(
  # Build and unit tests.
  cmake make g++ pkg-config libgtest-dev libgmock-dev clang-tidy
  # The Linux window and its end-to-end tests.
  libfltk1.3-dev libx11-dev libxtst-dev xvfb xauth x11-utils fonts-liberation
  desktop-file-utils appstream valgrind libxdamage-dev
  # Its accessibility layer, and reading the window as a screen reader does.
  libatk1.0-dev libatk-bridge2.0-dev at-spi2-core dbus dbus-x11 python3-pyatspi xdotool
  # The Windows program and its tests under Wine.
  mingw-w64 binutils-mingw-w64 wine wine64 icoutils
  # The web page, its unit tests on the wasm build, the browser that tests it.
  emscripten googletest chromium
)
# Node.js and npm: the machine's own when it has them, else Debian's.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Another install may hold the package lock (parallel builds, a first boot): wait for it.
apt=(apt-get -q -o DPkg::Lock::Timeout=900)
$sudo "${apt[@]}" update
$sudo "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
