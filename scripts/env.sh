# Shared settings of the project's scripts (sourced, not run).
VELORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELORA_DEPS=${VELORA_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/velora-deps}
VELORA_BUILD=${VELORA_BUILD:-$VELORA_ROOT/build}
VELORA_BUILD_I686=${VELORA_BUILD_I686:-$VELORA_ROOT/build-i686}
export VELORA_ROOT VELORA_DEPS VELORA_BUILD VELORA_BUILD_I686

# The programs ship for 32-bit x86 and are tested under 32-bit Wine. Some kernels
# cannot run 32-bit x86 code at all (32-bit emulation switched off), and a package mirror
# caught mid-sync can leave 32-bit Wine uninstallable: there the tests run on a 64-bit
# build of the same sources under 64-bit Wine, and the 32-bit build is still made. Only
# an installed Wine can tell, so the scripts choose after setup.sh has run.
# VELORA_TEST_ARCH=i686|x86_64 overrides the choice.
VELORA_WINE_LIB=${VELORA_WINE_LIB:-/usr/lib/wine}

# Sets and exports VELORA_TEST_ARCH, and VELORA_TEST_ARCH_WHY to the reason in a few words;
# fails when there is no Wine to ask.
velora_choose_test_arch() {
  if [ -n "${VELORA_TEST_ARCH:-}" ]; then
    VELORA_TEST_ARCH_WHY="VELORA_TEST_ARCH is set"
  elif [ -e "$VELORA_WINE_LIB/wine" ]; then
    if "$VELORA_WINE_LIB/wine" --version >/dev/null 2>&1; then
      VELORA_TEST_ARCH=i686 VELORA_TEST_ARCH_WHY="32-bit Wine runs here, as the programs ship"
    else
      VELORA_TEST_ARCH=x86_64 VELORA_TEST_ARCH_WHY="this kernel cannot run 32-bit x86 code"
    fi
  elif [ -e "$VELORA_WINE_LIB/wine64" ]; then
    VELORA_TEST_ARCH=x86_64 VELORA_TEST_ARCH_WHY="32-bit Wine (wine32:i386) is not installed"
  else
    echo "Wine is not installed: run scripts/setup.sh first, or set VELORA_TEST_ARCH=i686|x86_64" >&2
    return 1
  fi
  case "$VELORA_TEST_ARCH" in
  i686 | x86_64) export VELORA_TEST_ARCH VELORA_TEST_ARCH_WHY ;;
  *)
    echo "VELORA_TEST_ARCH must be i686 or x86_64, not $VELORA_TEST_ARCH" >&2
    return 1
    ;;
  esac
}
