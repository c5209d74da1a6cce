# 32-bit Windows: compiled and linked only (64-bit Wine cannot run it).
set(OMBREL_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
