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
