#!/usr/bin/env bash
# The Debian package as a school's administrator meets it: installed with apt
# in a clean Debian 12 root, the installed program started there by a pupil
# (an unprivileged user) on the test's X display, answered once and closed
# with status 0, drawing exactly what the tested build draws; a teacher's
# one-file page made there as the build makes it; then the package purged,
# leaving the root as it was. Needs root and the Debian archive, and DISPLAY
# (run it under xvfb_run.py); without them it reports a skip (77).
#   clean_root_test.sh PACKAGE BUILT_PROGRAM DRIVER BUILT_PAGE_TOOL PAGE_MODULE
set -euo pipefail
package=$(realpath "$1")
built_program=$2
driver=$3
built_page_tool=$4
page_module=$5
example=$(cd "$(dirname "$0")/../.." && pwd)/exercises/states-of-water.trovanel

skip() {
  echo "skipped: $*"
  exit 77
}
fail() {
  echo "clean_root_test: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || skip "making a root and entering it needs root"

# A clean root: Debian's minimal system with apt, from the machine's own
# archive, made once a week (with its package lists, which apt-get update
# then only brings up to date) and unpacked for every run.
cache=${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/trovanel
tarball=$cache/bookworm-root.tar.zst
mkdir -p "$cache"
exec 9>"$cache/lock"
flock 9
if [ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ]; then
  sources=()
  for file in /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list; do
    [ -s "$file" ] && sources+=("$file")
  done
  rm -f "$cache/new.tar.zst"
  if timeout 900 mmdebstrap --mode=unshare --variant=apt \
    --hook-dir=/usr/share/mmdebstrap/hooks/merged-usr \
    --aptopt='Acquire::Retries "3"' --aptopt='Acquire::http::Timeout "30"' \
    --skip=cleanup/apt/lists bookworm "$cache/new.tar.zst" "${sources[@]}" \
    >"$cache/mmdebstrap.log" 2>&1; then
    mv "$cache/new.tar.zst" "$tarball"
  elif [ ! -s "$tarball" ]; then
    skip "no clean root: mmdebstrap failed (no user namespace or no archive?):" \
      "$(tail -n 3 "$cache/mmdebstrap.log")"
  fi
fi
flock -u 9

work=$(mktemp -d "${TMPDIR:-/tmp}/trovanel-root.XXXXXX")
root=$work/root
# Nothing is mounted in the root (the program reaches the X server through
# its abstract socket), but never delete through a mount point.
cleanup() {
  if findmnt -rn -o TARGET | grep -q "^$root"; then
    echo "clean_root_test: mounts left under $root, not removing it" >&2
  else
    rm -rf --one-file-system "$work"
  fi
}
trap cleanup EXIT
mkdir "$root"
tar -C "$root" -xf "$tarball"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
cp "$package" "$root/tmp/"

in_root() { timeout 600 chroot "$root" env DEBIAN_FRONTEND=noninteractive "$@"; }
# A throw-away root needs no fsync.
apt=(apt-get -q -o Acquire::Retries=3 -o Acquire::http::Timeout=30
  -o Acquire::Languages=none -o Dpkg::Use-Pty=0
  -o Dpkg::Options::=--force-unsafe-io)
in_root "${apt[@]}" update >"$work/update.log" 2>&1 ||
  skip "the archive cannot be reached: $(tail -n 3 "$work/update.log")"

# Everything but the package managers' own records and caches.
snapshot() {
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./tmp \
    -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/cache \
    -o -path ./var/log \) -prune -o -print | sort)
}
snapshot >"$work/before"

in_root "${apt[@]}" install -y --no-install-recommends \
  "/tmp/$(basename "$package")" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "apt-get install failed"; }
for file in bin/trovanel share/man/man1/trovanel.1.gz bin/trovanel-page \
            share/man/man1/trovanel-page.1.gz share/trovanel/trovanel-one-file.pack \
            share/doc/trovanel/copyright share/doc/trovanel/changelog.gz \
            share/applications/example.trovanel.Trovanel.desktop \
            share/metainfo/example.trovanel.Trovanel.metainfo.xml \
            share/icons/hicolor/32x32/apps/example.trovanel.Trovanel.png; do
  [ -s "$root/usr/$file" ] || fail "not installed: /usr/$file"
done

# Runs a program beside the driver, which plays the worked example, captures
# the window into the directory $1 and closes it; both must end with 0. The
# driver would wait long for a window that never comes, so a program that
# ends first stops it soon, and a failing driver stops the program.
drive() {
  local captures=$1 program driver_pid finished status program_status
  shift
  mkdir "$captures"
  "$@" &
  program=$!
  "$driver" --capture-dir "$captures" &
  driver_pid=$!
  wait -n -p finished "$program" "$driver_pid" && status=0 || status=$?
  if [ "$finished" = "$program" ]; then
    program_status=$status
    for _ in $(seq 50); do
      kill -0 "$driver_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$driver_pid" 2>/dev/null || true
    wait "$driver_pid" && status=0 || status=$?
  else
    [ "$status" -eq 0 ] || kill "$program" 2>/dev/null || true
    wait "$program" && program_status=0 || program_status=$?
  fi
  [ "$status" -eq 0 ] ||
    fail "no window answered and closed: $* (status $program_status)"
  [ "$program_status" -eq 0 ] || fail "$* ended with status $program_status"
}
mkdir -m 1777 "$root/tmp/pupil"
drive "$work/installed" chroot --userspec=65534:65534 "$root" \
  env HOME=/tmp/pupil /usr/bin/trovanel
drive "$work/built" "$built_program"
if ! diff -rq "$work/installed" "$work/built"; then
  cp -r "$work/installed" "$work/built" .
  fail "the installed program draws otherwise than the build: the captures" \
    "are in $PWD/installed and $PWD/built"
fi

# The installed tool finds its module and writes, for the pupil's user, the
# very page the build's tool writes with the build's module.
cp "$example" "$root/tmp/pupil/"
chroot --userspec=65534:65534 "$root" /usr/bin/trovanel-page \
  "/tmp/pupil/$(basename "$example")" -o /tmp/pupil/page.html ||
  fail "trovanel-page failed in the root"
"$built_page_tool" "$example" -o "$work/page.html" --module "$page_module"
cmp "$root/tmp/pupil/page.html" "$work/page.html" ||
  fail "the installed trovanel-page writes another page than the build's"
grep -q '<html lang="en">' "$work/page.html" ||
  fail "the page of an English exercise is not announced as English"

in_root "${apt[@]}" purge --autoremove -y trovanel >"$work/purge.log" 2>&1 ||
  { cat "$work/purge.log"; fail "apt-get purge failed"; }
snapshot >"$work/after"
diff "$work/before" "$work/after" || fail "the purged package left the above"
echo "installed, started, closed and purged in a clean Debian 12 root"
