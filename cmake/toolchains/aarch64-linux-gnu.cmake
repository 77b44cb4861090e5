# 64-bit ARM Linux (the arm64-v8a ABI of Android phones, and Apple's arm64
# instruction set) with Debian's GCC cross compiler and multiarch libraries.
# Test programs run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(TAL_CROSS_TRIPLE aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
