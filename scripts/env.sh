# Shared settings of the project's scripts (sourced, not run).
VELORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELORA_DEPS=${VELORA_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/velora-deps}
VELORA_BUILD=${VELORA_BUILD:-$VELORA_ROOT/build}
VELORA_BUILD_I686=${VELORA_BUILD_I686:-$VELORA_ROOT/build-i686}
export VELORA_ROOT VELORA_DEPS VELORA_BUILD VELORA_BUILD_I686

# The programs ship for 32-bit x86 and are tested under 32-bit Wine. Some kernels
# cannot run 32-bit x86 code at all (32-bit emulation switched off): there the tests
# run on a 64-bit build of the same sources under 64-bit Wine, and the 32-bit build
# is still made. Only an installed Wine can tell, so the scripts choose after setup.sh
# has run. VELORA_TEST_ARCH=i686|x86_64 overrides the choice.
velora_can_run_i386() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Sets and exports VELORA_TEST_ARCH; fails when there is no Wine to ask.
velora_choose_test_arch() {
  if [ -z "${VELORA_TEST_ARCH:-}" ]; then
    if [ ! -e /usr/lib/wine/wine ] && [ ! -e /usr/lib/wine/wine64 ]; then
      echo "Wine is not installed: run scripts/setup.sh first, or set VELORA_TEST_ARCH=i686|x86_64" >&2
      return 1
    fi
    if velora_can_run_i386; then VELORA_TEST_ARCH=i686; else VELORA_TEST_ARCH=x86_64; fi
  fi
  case "$VELORA_TEST_ARCH" in
  i686 | x86_64) export VELORA_TEST_ARCH ;;
  *)
    echo "VELORA_TEST_ARCH must be i686 or x86_64, not $VELORA_TEST_ARCH" >&2
    return 1
    ;;
  esac
}
