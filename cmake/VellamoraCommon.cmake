# Settings shared by every target: language level, warnings, Qt string hygiene.
add_library(vellamora_common INTERFACE)
target_compile_features(vellamora_common INTERFACE cxx_std_20)
target_compile_options(vellamora_common INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(vellamora_common INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_USE_QSTRINGBUILDER
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_KEYWORDS)
if(VELLAMORA_SANITIZE)
    target_compile_options(vellamora_common INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(vellamora_common INTERFACE -fsanitize=address,undefined)
endif()

# Precompiled Qt headers: one shared set per library keeps a clean build quick.
function(vellamora_precompile target)
    target_precompile_headers(${target} PRIVATE ${ARGN})
endfunction()

# Adds one QtTest executable as one CTest test. Widget tests run offscreen.
function(vellamora_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vellamora_test_support Qt6::Test vellamora_common)
    target_precompile_headers(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/test_pch.h)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;ASAN_OPTIONS=detect_leaks=0;QTEST_DISABLE_STACK_DUMP=1"
        TIMEOUT 600)
endfunction()
