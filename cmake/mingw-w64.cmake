# Cross-compiles a Windows build with mingw-w64; included by the toolchain files
# mingw-w64-x86_64.cmake and mingw-w64-i686.cmake, which name the target. The -posix compilers are
# the ones GoogleTest builds with; the C and C++ runtimes are linked statically so that every
# program and the DLL import nothing but Windows' own DLLs.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VARDEKO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARDEKO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VARDEKO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VARDEKO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
