# Cross-compilation for Windows with Debian's mingw-w64 (posix thread model, which GoogleTest
# needs for std::mutex). The architecture's toolchain file sets VORLANE_MINGW_ARCH (i686 for
# 32-bit, x86_64 for 64-bit) and includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VORLANE_MINGW_ARCH})
set(CMAKE_C_COMPILER ${VORLANE_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORLANE_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${VORLANE_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VORLANE_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
