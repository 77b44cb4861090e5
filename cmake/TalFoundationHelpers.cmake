# Thin wrappers so that adding a source, a test or a benchmark is one line.

# Warnings and sanitizers for our own targets only; consumers never see them.
function(tal_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion)
  if(TALFOUNDATION_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(TALFOUNDATION_DEV_SANITIZERS)
    target_compile_options(${target} PRIVATE -fsanitize=${TALFOUNDATION_DEV_SANITIZERS}
                                             -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=${TALFOUNDATION_DEV_SANITIZERS})
  endif()
endfunction()

# What every test program compiles with; a precompiled header is shared only
# between targets whose settings agree.
function(tal_test_settings target)
  target_link_libraries(${target} PRIVATE TalFoundation::TalFoundation GTest::gtest_main GTest::gmock)
  target_compile_definitions(${target} PRIVATE TAL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  tal_target_options(${target})
  # GCC 12 reports appending to a moved std::string as a memcpy out of
  # bounds or an overflow once it inlines libstdc++ at -O1 (GCC bugs 105329,
  # 105651); tests build strings that way all over.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-restrict)
  endif()
  # Sanitized test programs compile unoptimised: half the compile time, and
  # the library under test keeps its own optimisation level.
  if(TALFOUNDATION_DEV_SANITIZERS)
    target_compile_options(${target} PRIVATE -O0)
  endif()
endfunction()

# tal_add_test(<name> [CONCURRENCY] <source>...): a GoogleTest program
# registered with CTest. CONCURRENCY marks a program whose tests run work on
# several threads: it gets the label "concurrency" and joins the
# concurrency_tests target that the ThreadSanitizer run builds.
function(tal_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "CONCURRENCY" "" "")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  tal_test_settings(${name})
  # GoogleTest and the common standard headers are parsed once for all test
  # programs, not once per source file.
  if(NOT TARGET tal_test_pch)
    add_library(tal_test_pch OBJECT ${PROJECT_SOURCE_DIR}/tests/support/pch.cpp)
    tal_test_settings(tal_test_pch)
    target_precompile_headers(tal_test_pch PRIVATE <gtest/gtest.h> <gmock/gmock.h> <algorithm> <cstdint> <memory>
                              <optional> <ostream> <string> <string_view> <thread> <vector>)
  endif()
  target_precompile_headers(${name} REUSE_FROM tal_test_pch)
  set(labels "")
  if(arg_CONCURRENCY)
    set(labels concurrency)
    if(NOT TARGET concurrency_tests)
      add_custom_target(concurrency_tests)
    endif()
    add_dependencies(concurrency_tests ${name})
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${labels}")
endfunction()

# tal_add_benchmark(<name> <source>...): a Google Benchmark program.
function(tal_add_benchmark name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE TalFoundation::TalFoundation benchmark::benchmark)
  tal_target_options(${name})
  # A smoke run keeps every benchmark building and running; no timings are judged.
  if(TALFOUNDATION_BUILD_TESTS AND TALFOUNDATION_BENCHMARK_SMOKE_TESTS)
    add_test(NAME ${name}_smoke COMMAND ${name} --benchmark_min_time=0.001)
  endif()
endfunction()
