#!/usr/bin/env bash
# Configures and builds the project for the local stand-in service: the test build
# (build/, for VELORA_TEST_ARCH) and, when that is not i686, the 32-bit programs too.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"

configure() {
  local build=$1 arch=$2 port=$3
  cmake -S "$VELORA_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$VELORA_ROOT/cmake/mingw-$arch.cmake" \
    -DVELORA_DEPS="$VELORA_DEPS" -DVELORA_STANDIN_PORT="$port" \
    -DVELORA_SERVICE_ROOT="http://127.0.0.1:$port" >/dev/null
  cmake --build "$build" -j"$(nproc)"
}

mkdir -p "$VELORA_BUILD"
arch_file="$VELORA_BUILD/test-arch"
if [ -f "$arch_file" ] && [ "$(cat "$arch_file")" != "$VELORA_TEST_ARCH" ]; then
  rm -rf "$VELORA_BUILD" # another toolchain: start afresh
  mkdir -p "$VELORA_BUILD"
fi
echo "$VELORA_TEST_ARCH" >"$arch_file"
port_file="$VELORA_BUILD/standin-port"
if [ ! -s "$port_file" ]; then
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])' >"$port_file"
fi
port=$(cat "$port_file")

configure "$VELORA_BUILD" "$VELORA_TEST_ARCH" "$port"
if [ "$VELORA_TEST_ARCH" != i686 ]; then
  echo "configure: this kernel runs no 32-bit x86 code: tests run on the $VELORA_TEST_ARCH build;" \
    "the 32-bit programs are built in $VELORA_BUILD_I686"
  configure "$VELORA_BUILD_I686" i686 "$port"
fi
