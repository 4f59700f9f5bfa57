# Cross-builds the 64-bit Windows program with Debian's MinGW-w64 compilers,
# the twin of toolchain-mingw-i686.cmake: the posix thread model, whose
# winpthread -static links in, so the program needs only the system's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(KORINVIEW_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORINVIEW_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORINVIEW_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORINVIEW_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORINVIEW_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
