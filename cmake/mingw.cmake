# What both Windows toolchain files share, once they have set
# KORINVIEW_MINGW_TRIPLET and CMAKE_SYSTEM_PROCESSOR: Debian's MinGW-w64
# compilers with the posix thread model, which gives the whole C++ thread
# library; with -static its winpthread is linked in, so the program needs no
# DLL beside the system's.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KORINVIEW_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORINVIEW_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORINVIEW_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORINVIEW_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
