#!/usr/bin/env bash
# shellcheck disable=SC2016  # the fakes' variables expand when they run
# The installer against a mirror's fault, with apt-get, dpkg and dpkg-query
# replaced: the i386 list never downloads and wine32:i386 cannot be installed.
# It must fetch the lists three times, install every other package, name
# wine32:i386 with apt's reason in the missing list and end with 0.
set -euo pipefail
installer=$(cd "$(dirname "$0")/../.." && pwd)/tools/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
touch "$work/installed" "$work/archs"

fake() { printf '#!/bin/sh\nstate=%s\n%s\n' "$work" "$2" >"$work/bin/$1"; chmod +x "$work/bin/$1"; }
fake sudo 'exec "$@"'
fake dpkg-query 'for last; do :; done; grep -qxF "$last" $state/installed && printf "install ok installed"'
fake dpkg 'case $1 in
  --print-foreign-architectures) cat $state/archs ;;
  --add-architecture) echo "$2" >>$state/archs ;;
esac'
fake apt-get 'while [ "$1" != update ] && [ "$1" != install ]; do shift; done
if [ "$1" = update ]; then
  echo try >>$state/updates
  echo "E: Failed to fetch http://mirror/dists/main/binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress? [IP: 192.0.2.1 80]"
  exit 100
fi
shift
while [ "${1#-}" != "$1" ]; do shift; done
case " $* " in *" wine32:i386 "*)
  echo " wine32:i386 : Depends: libwine:i386 but it is not installable"
  echo "E: Unable to correct problems, you have held broken packages."
  exit 100 ;;
esac
printf "%s\n" "$@" >>$state/installed'

fail() { echo "install_deps_test: $*" >&2; exit 1; }
PATH=$work/bin:$PATH TROVANEL_APT_RETRY_PAUSE=0 \
  TROVANEL_MISSING_PACKAGES=$work/missing.txt bash "$installer" >"$work/log" 2>&1 ||
  fail "ended with $?: $(tail -n 5 "$work/log")"

[ "$(wc -l <"$work/updates")" -eq 3 ] || fail "fetched the lists $(wc -l <"$work/updates") times, not 3"
grep -qx i386 "$work/archs" || fail "the i386 architecture was not added"
for package in cmake libfltk1.3-dev wine64 lintian chromium; do
  grep -qxF "$package" "$work/installed" || fail "$package was not installed"
done
! grep -qx 'wine32:i386' "$work/installed" || fail "wine32:i386 was reported installed"
[ "$(wc -l <"$work/missing.txt")" -eq 1 ] || fail "missing list: $(cat "$work/missing.txt")"
IFS=$'\t' read -r package reason <"$work/missing.txt"
[ "$package" = wine32:i386 ] || fail "missing list names $package"
for part in 'wine32:i386 : Depends: libwine:i386' 'held broken packages' \
  'binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?)'; do
  [[ $reason == *"$part"* ]] || fail "reason lacks '$part': $reason"
done
[[ $reason != *'[IP:'* ]] || fail "reason keeps the mirror's address: $reason"
echo "install_deps_test: retried, went on, named wine32:i386"
