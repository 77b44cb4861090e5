# Clang with LLVM's libc++, the standard library of the Android NDK and of
# Xcode. Debian's GoogleTest and Google Benchmark archives are built against
# libstdc++, so GoogleTest is built here from its Debian source package.
find_program(CMAKE_C_COMPILER NAMES clang-14 clang REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
set(CMAKE_CXX_FLAGS_INIT "-stdlib=libc++")
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-stdlib=libc++")
endforeach()
set(TALFOUNDATION_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources built with this standard library")
# Debian's Google Benchmark is built against libstdc++ too, and has no
# source package here: the benchmarks are built (so libc++ compiles them), but
# a libc++ program linked with that library crashes at start-up, so their
# smoke runs are left to the libstdc++ builds.
set(TALFOUNDATION_BENCHMARK_SMOKE_TESTS OFF CACHE BOOL "Run each benchmark briefly as a test")
