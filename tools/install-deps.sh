#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some
# are missing. Works as root and through sudo.
set -euo pipefail

packages=(
  # Build and unit tests.
  cmake make g++ pkg-config libgtest-dev libgmock-dev clang-tidy
  # Exercise files (TOML, header-only) and their fuzz target (clang with libFuzzer).
  libtomlplusplus-dev clang libclang-rt-14-dev
  # The Linux window and its end-to-end tests.
  libfltk1.3-dev libx11-dev libxtst-dev xvfb xauth x11-utils fonts-liberation
  desktop-file-utils appstream valgrind libxdamage-dev
  # Its accessibility layer, and reading the window as a screen reader does.
  libatk1.0-dev libatk-bridge2.0-dev at-spi2-core dbus dbus-x11 python3-pyatspi xdotool
  orca
  # The Windows program and its tests under Wine.
  mingw-w64 binutils-mingw-w64 wine wine64 icoutils
  # The 32-bit Windows program under Wine (the i386 architecture is added below).
  wine32:i386
  # The Debian package and its test in a clean root.
  lintian mmdebstrap zstd
  # The web page, its unit tests on the wasm build, the browser that tests it.
  emscripten googletest chromium
)
# Node.js and npm: the machine's own when it has them, else Debian's.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

# Installs those of the given packages that are missing; the package lists
# are fetched once a run, however often it installs.
lists_fetched=false
install_missing() {
  local missing=() package sudo=""
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  # Another install may hold the package lock (parallel builds, a first boot): wait for it.
  local apt=(apt-get -q -o DPkg::Lock::Timeout=900)
  if ! $lists_fetched; then
    $sudo "${apt[@]}" update
    lists_fetched=true
  fi
  $sudo "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"
# Where the kernel runs no 32-bit program, the 32-bit Wine runs under qemu-user.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  install_missing qemu-user-static
fi
# The page's browser tests drive Chromium with a Playwright that needs Node.js
# 20; Debian 12's own is 18.
node_major=$(node -p 'process.versions.node.split(".")[0]')
if [ "$node_major" -lt 20 ]; then
  echo "install-deps: the page's tests need Node.js 20 or later; this is $(node --version)" >&2
fi
