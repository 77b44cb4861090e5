# 32-bit ARM Linux, hard float (armv7, as Android's armeabi-v7a ABI), with
# Debian's GCC cross compiler and multiarch libraries. No 128-bit integer
# type here, so the library takes its portable path. Tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(TAL_CROSS_TRIPLE arm-linux-gnueabihf)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
