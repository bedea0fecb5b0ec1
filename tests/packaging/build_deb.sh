#!/usr/bin/env bash
# Builds the Debian package afresh from the current build, in a folder of its
# own so that it never mixes with a package made by `make package`.
#
#   build_deb.sh <cpack> <build dir> <output dir>
set -euo pipefail

cpack=$1
build=$2
out=$3

rm -rf "$out"
mkdir -p "$out"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out"
ls -l "$out"/*.deb
