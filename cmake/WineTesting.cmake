# ctest runs the Windows test programs under Wine, in a throwaway prefix inside the build tree.
# scripts/test creates the prefix once and provides the X display (one Xvfb server).
# A 32-bit build gets a 32-bit prefix, with only the 32-bit registry view, as on the handheld.
set(VARDEKO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VARDEKO_WINEARCH win32)
    set(VARDEKO_WINELOADER /usr/lib/wine/wine)
else()
    set(VARDEKO_WINEARCH win64)
    set(VARDEKO_WINELOADER /usr/lib/wine/wine64)
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# GoogleTest from Debian's source package, built with the same toolchain.
if(NOT VARDEKO_TESTS)
    return()
endif()
set(VARDEKO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${VARDEKO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
