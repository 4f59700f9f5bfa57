# Cross-builds the 32-bit Windows program, the one users get.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KORINVIEW_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
