# Build settings shared by every target of the project's own code.

option(VARDEKO_SANITIZE "Build the native programs with AddressSanitizer and UBSan" OFF)
option(VARDEKO_FUZZ "Build the native programs for libFuzzer (clang; see scripts/fuzz)" OFF)

function(vardeko_target_defaults target)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(WIN32)
        # A handheld has little memory: the component stays lean.
        # No -fdata-sections: on this target it moves zero-initialised globals out of .bss into
        # the file.
        target_compile_options(${target} PRIVATE -Oz -fno-exceptions -fno-rtti -ffunction-sections)
        target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
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
