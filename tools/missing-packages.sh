#!/usr/bin/env bash
# What `make test` does about the packages tools/install-deps.sh could not
# install (listed in $TROVANEL_MISSING_PACKAGES, "package<TAB>reason" a line).
#   missing-packages.sh stage STAGE [PACKAGE...]
#     runs `make STAGE`, or says why it is left out when it needs a missing one
#   missing-packages.sh summary SKIPPED_TESTS [STAGE=PACKAGES...]
#     which packages are missing, why, and what was skipped or left out for
#     each (SKIPPED_TESTS: the build's "package<TAB>test" lines)
set -euo pipefail
list=${TROVANEL_MISSING_PACKAGES:-$(cd "$(dirname "$0")/.." && pwd)/build/missing-packages.txt}

reason() {  # PACKAGE: its reason, or nothing when it is not missing
  [ -f "$list" ] || return 0
  awk -F'\t' -v package="$1" '$1 == package { sub(/^[^\t]*\t/, ""); print; exit }' "$list"
}

stage() {
  local stage=$1 package why
  shift
  for package; do
    why=$(reason "$package")
    if [ -n "$why" ]; then
      echo "make test: leaving out 'make $stage': $package could not be installed: $why"
      return 0
    fi
  done
  "${MAKE:-make}" --no-print-directory "$stage"
}

summary() {
  local skipped=$1 package why tests stages needs
  shift
  [ -s "$list" ] || return 0
  echo
  echo "== Some packages could not be installed; what needs them was skipped, not passed =="
  while IFS=$'\t' read -r package why; do
    [ -n "$package" ] || continue
    echo "$package: $why"
    tests=$(awk -F'\t' -v package="$package" '$1 == package { print $2 }' "$skipped" 2>/dev/null |
      paste -sd ' ' -)
    stages=""
    for needs in "$@"; do
      [[ " ${needs#*=} " == *" $package "* ]] && stages+=" make ${needs%%=*}"
    done
    [ -z "$stages" ] || echo "  left out:$stages"
    [ -z "$tests" ] || echo "  skipped tests: $tests" | fold -s -w 90 | sed 's/ *$//; 2,$s/^/    /'
    [ -n "$stages$tests" ] || echo "  (no test needs it)"
  done <"$list"
  echo "This is most often a mirror in the middle of an update. Run 'make test' again later,"
  echo "in an hour or so: it installs what is missing and runs the skipped tests then."
}

case ${1:-} in
  stage | summary) "$@" ;;
  *) echo "usage: missing-packages.sh stage|summary ..." >&2; exit 2 ;;
esac
