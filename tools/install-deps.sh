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
can_install=true
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then sudo="sudo"; else can_install=false; fi
fi
export DEBIAN_FRONTEND=noninteractive
# Another install may hold the package lock (parallel builds, a first boot): wait for it.
apt=(${sudo:+"$sudo"} apt-get -q -o DPkg::Lock::Timeout=900)

is_installed() {
  local status
  status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
  [[ $status == *" ok installed" ]]
}

# The package lists, fetched once a run however often it installs, and again
# up to three times while a list fails to download. What still fails is kept
# in list_failure, for the reason of a package that cannot be installed then.
retry_pause=${TROVANEL_APT_RETRY_PAUSE:-10}
lists_fetched=false
list_failure=""
fetch_lists() {
  $lists_fetched && return 0
  lists_fetched=true
  local try log
  log=$(mktemp)
  for try in 1 2 3; do
    if "${apt[@]}" update 2>&1 | tee "$log"; then
      grep -q '^[WE]: .*[Ff]ailed to fetch\|^E:' "$log" || { rm -f "$log"; list_failure=""; return 0; }
    fi
    if [ "$try" -lt 3 ]; then
      echo "install-deps: a package list failed; fetching again in $((try * retry_pause)) s"
      sleep $((try * retry_pause))
    fi
  done
  list_failure=$(grep -E '^[EW]: Failed to fetch' "$log" | sed 's/^[EW]: Failed to fetch //; s/ *\[IP: [^]]*\]//' |
    paste -sd ' ' -)
  echo "install-deps: these package lists could not be fetched; going on without them:" >&2
  echo "  ${list_failure:-(apt-get update failed)}" >&2
  rm -f "$log"
}

# Why `package` could not be installed: apt's own line on it and its errors,
# and the package list that was missing, if one was.
failed=()
note_failure() {
  local package=$1 log=$2 reason
  reason=$({ grep -F " $package : " "$log" | head -n 1; grep '^E:' "$log" | head -n 2; } |
    sed 's/^ *//; s/ *\[IP: [^]]*\]//' | paste -sd ' ' -)
  reason=${reason:-apt-get install failed}
  [ -n "$list_failure" ] && reason+=" (a package list could not be fetched: $list_failure)"
  failed+=("$package"$'\t'"${reason:0:600}")
}

install_one() {
  local package=$1 log
  log=$(mktemp)
  if "${apt[@]}" install -y --no-install-recommends "$package" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  note_failure "$package" "$log"
  rm -f "$log"
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
  if ! $can_install; then
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    for package in "${missing[@]}"; do
      failed+=("$package"$'\t'"not installed, and installing needs root or sudo")
    done
    return 0
  fi

  echo "Installing: ${missing[*]}"
  if [[ " ${missing[*]}" == *:i386* ]] &&
    [[ $'\n'"$(dpkg --print-foreign-architectures)"$'\n' != *$'\n'i386$'\n'* ]]; then
    $sudo dpkg --add-architecture i386
    lists_fetched=false
  fi
  fetch_lists
  if [ ${#missing[@]} -gt 1 ]; then
    "${apt[@]}" install -y --no-install-recommends "${missing[@]}" && return 0
    echo "install-deps: installing them together failed; trying each one"
  fi
  for package in "${missing[@]}"; do
    is_installed "$package" || install_one "$package"
  done
}

install_missing "${packages[@]}"
# Where the kernel runs no 32-bit program, the 32-bit Wine runs under qemu-user.
if is_installed wine32:i386 && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
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
if command -v node >/dev/null &&
  [ "$(node -p 'process.versions.node.split(".")[0]')" -lt 20 ]; then
  echo "install-deps: the page's tests need Node.js 20 or later; this is $(node --version)" >&2
fi
