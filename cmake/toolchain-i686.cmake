# Cross build for 32-bit Windows with mingw-w64; tests run under the 32-bit Wine loader.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVANE_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_TRIPLE}-windres)
set(ORVANE_WIDL ${ORVANE_TRIPLE}-widl)
set(ORVANE_WIDL_ARCH --win32)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Floating point in SSE2 registers, every step rounded to Double as in the 64-bit
# build: the x87 unit's 80-bit intermediates would let a member give another result,
# or another error, than the same member in a 64-bit host.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine32-run.sh)
