#!/usr/bin/env bash
# Sets up a fresh Debian machine (as needed), builds, and runs every test under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"

"$here/setup.sh"
"$here/configure.sh"
cd "$VELORA_BUILD"
ctest --output-on-failure -j"$(nproc)" "$@"
