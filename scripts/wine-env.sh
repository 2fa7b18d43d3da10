# Wine environment of a test run (sourced): wine-env.sh RUN_DIR
# The prefix's architecture follows the build: $RUN_DIR/arch holds i686 or x86_64.
_run_dir=$1
_arch=$(cat "$_run_dir/arch" 2>/dev/null || echo i686)
_lib=${VELORA_WINE_LIB:-/usr/lib/wine}
if [ "$_arch" = x86_64 ]; then
  export WINEARCH=win64 WINE=$_lib/wine64 WINESERVER=$_lib/wineserver64
else
  export WINEARCH=win32 WINE=$_lib/wine WINESERVER=$_lib/wineserver
fi
export WINEPREFIX="$_run_dir/wineprefix"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
if [ -f "$_run_dir/display" ]; then
  DISPLAY=$(cat "$_run_dir/display")
  export DISPLAY
fi
unset _run_dir _arch _lib
