# Build settings shared by every target of the project's own code.

option(VARDEKO_SANITIZE "Build the native programs with AddressSanitizer and UBSan" OFF)
option(VARDEKO_FUZZ "Build the native programs for libFuzzer (clang; see scripts/fuzz)" OFF)

# The compiler and linker settings alone: a target that uses just these reaches headers only
# through the libraries it links.
function(vardeko_target_flags target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(WIN32)
        # A handheld has little memory: the component stays lean.
        # No -fdata-sections: on this target it moves zero-initialised globals out of .bss into
        # the file.
        target_compile_options(${target} PRIVATE -Oz -fno-exceptions -fno-rtti -ffunction-sections)
        target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            # Without exceptions nothing unwinds: 32-bit code would still carry DWARF unwind
            # tables, where 64-bit Windows keeps its compact SEH tables.
            target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
        endif()
    elseif(VARDEKO_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    elseif(VARDEKO_FUZZ)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
endfunction()

# The Windows layers' objects carry link-time optimisation code for the component DLL beside
# their plain code (see vardeko_layer). Programs link the plain code: through the linker plugin
# they would be optimised at link time as well, slowly, and 32-bit links then find template
# functions defined twice.
if(WIN32)
    string(APPEND CMAKE_EXE_LINKER_FLAGS " -fno-use-linker-plugin")
endif()

# Tests, tools, benchmarks and fuzz targets stand outside the layers and may include any header
# of the project; the root stays private so that it never leaks into a layer.
function(vardeko_target_defaults target)
    vardeko_target_flags(${target})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# A layer is the library of one folder. Its headers are reached through a directory of the build
# tree that holds a link to that folder alone, so a target sees its own layer and the layers it
# links, and an include of a layer above it fails to build.
function(vardeko_layer_includes target scope)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${PROJECT_BINARY_DIR}/layers/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} ${scope} ${root})
endfunction()

function(vardeko_layer target)
    vardeko_target_flags(${target})
    if(WIN32)
        # The component DLL is optimised across the layers at link time; the objects also hold
        # plain code, which programs link as usual.
        target_compile_options(${target} PRIVATE -flto -ffat-lto-objects)
    endif()
    vardeko_layer_includes(${target} PUBLIC)
endfunction()

# Has the linker write the target's link map to VARDEKO_LINK_MAP_DIR/<target>.map: the tests read
# from it what was linked in, which a stripped binary no longer tells.
set(VARDEKO_LINK_MAP_DIR ${CMAKE_BINARY_DIR}/maps)
file(MAKE_DIRECTORY ${VARDEKO_LINK_MAP_DIR})
function(vardeko_link_map target)
    target_link_options(${target} PRIVATE -Wl,-Map=${VARDEKO_LINK_MAP_DIR}/${target}.map)
endfunction()

# Gives the DLL or a Windows program its version resource (resources/version.rc.in): the project's
# version, the file's name and DESCRIPTION, what the file is.
function(vardeko_version_info target description)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL SHARED_LIBRARY)
        set(VARDEKO_FILE_TYPE VFT_DLL)
    else()
        set(VARDEKO_FILE_TYPE VFT_APP)
    endif()
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
        set(name ${target})
    endif()
    set(VARDEKO_FILE_NAME ${name}${CMAKE_${type}_SUFFIX})
    set(VARDEKO_FILE_DESCRIPTION ${description})
    string(REPLACE . , VARDEKO_FILE_VERSION_NUMBERS ${VARDEKO_FILE_VERSION})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
