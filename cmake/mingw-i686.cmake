# Cross-compiles for 32-bit Windows (the shipped programs) with Debian's mingw-w64,
# posix thread model (GoogleTest's std::mutex needs it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VELORA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
