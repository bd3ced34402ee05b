#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some
# are missing. Works as root and through sudo.
#
# A mirror can serve a broken package list for hours ("File has unexpected
# size ... Mirror sync in progress?"). The lists are fetched again a few
# times; a list that still fails is named and left out, every package that
# can be installed is, and those that cannot are written with apt's reason
# to $TROVANEL_MISSING_PACKAGES (one "package<TAB>reason" a line), where the
# build reads them to skip, with that reason, the tests that need them. The
# script then ends with 0, so that everything else is built and tested.
set -euo pipefail

missing_file=${TROVANEL_MISSING_PACKAGES:-$(cd "$(dirname "$0")/.." && pwd)/build/missing-packages.txt}

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
  # The web page, its unit tests on the wasm build, the browser that tests it;
  # xmllint reads the manifest of the learning platform's package.
  emscripten googletest chromium libxml2-utils
)
# Node.js and npm: the machine's own when it has them, else Debian's.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install packages" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# Another install may hold the package lock (parallel builds, a first boot): wait for it.
apt=($sudo apt-get -q -o DPkg::Lock::Timeout=900)

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'
}

# The package lists, fetched once a run however often it installs, and again
# up to three times while a list fails to download.
lists_fetched=false
fetch_lists() {
  $lists_fetched && return 0
  lists_fetched=true
  local try log
  log=$(mktemp)
  for try in 1 2 3; do
    if "${apt[@]}" update 2>&1 | tee "$log"; then
      grep -q '^[WE]: .*[Ff]ailed to fetch\|^E:' "$log" || { rm -f "$log"; return 0; }
    fi
    [ "$try" -lt 3 ] && { echo "install-deps: a package list failed; fetching again in $((try * 10)) s"; sleep $((try * 10)); }
  done
  echo "install-deps: these package lists could not be fetched; going on without them:" >&2
  grep -E '^(E|W): Failed to fetch' "$log" | sed 's/^/  /' >&2 || true
  rm -f "$log"
}

# apt's reason why `package` cannot be installed: its last error lines.
failed=()
install_one() {
  local package=$1 log reason
  log=$(mktemp)
  if "${apt[@]}" install -y --no-install-recommends "$package" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  reason=$(grep -E '^ |^E:' "$log" | grep -v '^ *$' | tail -n 4 | sed 's/^ *//' | paste -sd ' ' -)
  rm -f "$log"
  failed+=("$package"$'\t'"${reason:-apt-get install failed}")
  return 1
}

# Installs those of the given packages that are missing: all at once, and
# when that fails, one by one, so that one package that cannot be had stops
# none of the others.
install_missing() {
  local missing=() package
  for package in "$@"; do
    is_installed "$package" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
    lists_fetched=false
  fi
  fetch_lists
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}" && return 0
  echo "install-deps: installing them together failed; trying each one"
  for package in "${missing[@]}"; do
    is_installed "$package" || install_one "$package" || true
  done
}

install_missing "${packages[@]}"
# Where the kernel runs no 32-bit program, the 32-bit Wine runs under qemu-user.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  install_missing qemu-user-static
fi

mkdir -p "$(dirname "$missing_file")"
: >"$missing_file"
if [ ${#failed[@]} -gt 0 ]; then
  printf '%s\n' "${failed[@]}" >"$missing_file"
  {
    echo "install-deps: these packages could not be installed; the tests that need them"
    echo "will be reported as skipped. Run 'make test' again later: a mirror's fault passes."
    printf '%s\n' "${failed[@]}" | sed 's/^/  /; s/\t/: /'
  } >&2
fi

# The page's browser tests drive Chromium with a Playwright that needs Node.js
# 20; Debian 12's own is 18.
node_major=$(node -p 'process.versions.node.split(".")[0]')
if [ "$node_major" -lt 20 ]; then
  echo "install-deps: the page's tests need Node.js 20 or later; this is $(node --version)" >&2
fi
