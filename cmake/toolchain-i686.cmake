# Cross build for 32-bit Windows with mingw-w64. 32-bit programs cannot run on
# the build machines, so this build is compiled and linked but not tested.
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
