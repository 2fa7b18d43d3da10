#!/usr/bin/env bash
# Sets up a fresh Debian machine (as needed), builds, and runs every test under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"

"$here/setup.sh"
velora_choose_test_arch
"$here/configure.sh"
echo "velora: testing the $VELORA_TEST_ARCH build: $VELORA_TEST_ARCH_WHY"
if [ "$VELORA_TEST_ARCH" != i686 ]; then
  # The shipped 32-bit programs are checked too, as far as that needs no Wine.
  (cd "$VELORA_BUILD_I686" && ctest --output-on-failure -L shipped)
fi
cd "$VELORA_BUILD"
status=0
ctest --output-on-failure -j"$(nproc)" "$@" || status=$?
echo "velora: tested the $VELORA_TEST_ARCH build: $VELORA_TEST_ARCH_WHY"
exit "$status"
