#!/usr/bin/env bash
# Configures and builds the project for the local stand-in service: the test build
# (build/, for VELORA_TEST_ARCH) and, when that is not i686, the 32-bit programs too.
# Run after setup.sh (test.sh and run.sh do): the test architecture depends on Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
velora_choose_test_arch

configure() {
  local build=$1 arch=$2 port=$3
  cmake -S "$VELORA_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$VELORA_ROOT/cmake/mingw-$arch.cmake" \
    -DVELORA_DEPS="$VELORA_DEPS" -DVELORA_STANDIN_PORT="$port" \
    -DVELORA_SERVICE_ROOT="http://127.0.0.1:$port" >/dev/null
  cmake --build "$build" -j"$(nproc)"
}

# The architecture a build folder was configured for, from CMake's cache ("" when new).
configured_arch() {
  sed -n 's|^CMAKE_TOOLCHAIN_FILE:[A-Z]*=.*/mingw-\(.*\)\.cmake$|\1|p' "$1/CMakeCache.txt" 2>/dev/null || true
}

# A folder built for the other architecture is kept: CMake cannot switch its toolchain,
# and nothing is thrown away without asking.
built=$(configured_arch "$VELORA_BUILD")
if [ -n "$built" ] && [ "$built" != "$VELORA_TEST_ARCH" ]; then
  echo "configure: $VELORA_BUILD holds the $built test build, not $VELORA_TEST_ARCH." >&2
  echo "configure: remove it (rm -rf $VELORA_BUILD) or run with VELORA_TEST_ARCH=$built." >&2
  exit 1
fi
mkdir -p "$VELORA_BUILD"
echo "$VELORA_TEST_ARCH" >"$VELORA_BUILD/test-arch"
port_file="$VELORA_BUILD/standin-port"
if [ ! -s "$port_file" ]; then
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])' >"$port_file"
fi
port=$(cat "$port_file")

configure "$VELORA_BUILD" "$VELORA_TEST_ARCH" "$port"
if [ "$VELORA_TEST_ARCH" != i686 ]; then
  echo "configure: the tests run on the $VELORA_TEST_ARCH build; the 32-bit programs are built in" \
    "$VELORA_BUILD_I686"
  configure "$VELORA_BUILD_I686" i686 "$port"
fi
