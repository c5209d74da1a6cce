# Shared part of the cross toolchains; the including file sets OMBREL_TRIPLE
# and CMAKE_SYSTEM_PROCESSOR. The posix-threads compilers link statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${OMBREL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OMBREL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${OMBREL_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${OMBREL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
