#!/usr/bin/env bash
# package_test.sh CPACK BUILD_DIR CHECK_PACKAGE: packs the build in a temporary folder and
# checks the package against the build tree.
set -euo pipefail
cpack=$1 build=$2 check=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
"$check" --build-dir "$build" "$out"/fretwise_*.deb
