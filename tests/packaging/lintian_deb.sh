#!/usr/bin/env bash
# Debian's own package checker on the package: any error or warning fails
# the test. Info tags and overridden ones (with the reason the package gives)
# are printed, and pass.
#
#   lintian_deb.sh <folder holding quovale_*.deb>
set -uo pipefail

dir=$1
shopt -s nullglob
debs=("$dir"/quovale_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected one quovale_*.deb in $dir, found ${#debs[@]}" >&2
    exit 1
fi
if ! command -v lintian >/dev/null 2>&1; then
    echo "FAIL: lintian is missing; run scripts/setup.sh" >&2
    exit 1
fi

echo "== lintian $(lintian --version | sed 's/^Lintian v//') ${debs[0]}"
# Errors and warnings are read from the tags shown, since lintian counts the
# overridden tags it shows as failures of their own level.
report=$(lintian --info --display-info --show-overrides --tag-display-limit 0 "${debs[0]}" 2>&1)
status=$?
printf '%s\n' "$report"
if [ $status -ne 0 ] && [ $status -ne 2 ]; then
    echo "FAIL: lintian could not check the package (status $status)" >&2
    exit 1
fi
bad=$(printf '%s\n' "$report" | grep -cE '^[EW]: ')
if [ "$bad" -ne 0 ]; then
    echo "FAIL: lintian reports $bad error(s) or warning(s)" >&2
    exit 1
fi
echo "lintian: no error, no warning"
