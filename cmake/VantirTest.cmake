# The sanitizers' run-time options, for every test of a sanitizer build (empty otherwise): leaks
# are checked, the first error ends the test, and the leaks that are not ours are suppressed by
# the commented list in tests/sanitizers/.
if(VANTIR_SANITIZE)
    # The suppressions name functions, which only a symbolizer finds in a report's stack.
    find_program(VANTIR_LLVM_SYMBOLIZER NAMES llvm-symbolizer-14 llvm-symbolizer
                 HINTS /usr/lib/llvm-14/bin)
    if(NOT VANTIR_LLVM_SYMBOLIZER)
        message(FATAL_ERROR "The sanitizer build needs llvm-symbolizer (Debian: llvm-14)")
    endif()
    set(symbolizer "external_symbolizer_path=${VANTIR_LLVM_SYMBOLIZER}")
    set(VANTIR_ASAN_OPTIONS
        "detect_leaks=1:check_initialization_order=1:halt_on_error=1:${symbolizer}")
    set(VANTIR_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=${VANTIR_ASAN_OPTIONS}"
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:${symbolizer}")
endif()

# vantir_add_test(<name> SOURCES <files...> LIBRARIES <targets...>
#                 [ENVIRONMENT <VAR=value...>] [COMMAND_PREFIX <args...>] [TIMEOUT <s>]
#                 [COST <s>])
#
# Builds one QtTest executable and registers it with ctest. GUI tests run
# headless; a test that exits with 77 is reported as skipped. COST, about the
# seconds it takes, starts a long test first on a fresh tree (ctest learns the
# times of later runs itself), so that it does not end the stage alone.
function(vantir_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT;COST" "SOURCES;LIBRARIES;ENVIRONMENT;COMMAND_PREFIX" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt::Test ${ARG_LIBRARIES})
    add_test(NAME ${name} COMMAND ${ARG_COMMAND_PREFIX} $<TARGET_FILE:${name}>)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT};${VANTIR_SANITIZER_ENVIRONMENT}"
        SKIP_RETURN_CODE 77
        TIMEOUT ${ARG_TIMEOUT})
    if(ARG_COST)
        set_tests_properties(${name} PROPERTIES COST ${ARG_COST})
    endif()
endfunction()
