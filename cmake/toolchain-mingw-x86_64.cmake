# Cross-builds the same sources as a 64-bit Windows program, for hosts that
# run 64-bit code only.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(KORINVIEW_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
