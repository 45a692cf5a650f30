# Runs the native and the Windows number-text-sample and fails unless both print the same.
# cmake -DNATIVE_PROGRAM=... -DWINDOWS_PROGRAM=... -DEMULATOR=... -P compare_sample_output.cmake
if(NOT EXISTS "${NATIVE_PROGRAM}")
    message(FATAL_ERROR "The native program ${NATIVE_PROGRAM} is missing: build the native build "
                        "first (scripts/test does), or set VARDEKO_NATIVE_BIN_DIR.")
endif()

execute_process(COMMAND "${NATIVE_PROGRAM}" OUTPUT_VARIABLE strNative RESULT_VARIABLE nNative)
if(NOT nNative EQUAL 0)
    message(FATAL_ERROR "${NATIVE_PROGRAM} failed (${nNative})")
endif()
execute_process(COMMAND ${EMULATOR} "${WINDOWS_PROGRAM}" OUTPUT_VARIABLE strWindows
                RESULT_VARIABLE nWindows)
if(NOT nWindows EQUAL 0)
    message(FATAL_ERROR "${WINDOWS_PROGRAM} failed (${nWindows})")
endif()

# The Windows runtime writes text-mode line ends.
string(REPLACE "\r" "" strWindows "${strWindows}")
if(NOT strNative STREQUAL strWindows)
    message(FATAL_ERROR "The builds disagree.\nNative:\n${strNative}\nWindows:\n${strWindows}")
endif()
message("Both builds print:\n${strNative}")
