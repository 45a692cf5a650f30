# The 32-bit Windows build, the handheld's word size. SSE2 arithmetic rounds every double as a
# double, as the other builds do; x87 registers would keep excess precision and change results.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VARDEKO_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
