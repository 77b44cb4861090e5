# Shared part of the Debian cross toolchain files: compilers named after the
# target triple, libraries from the multiarch folders (lib/<triple>), and
# qemu-user to run what was built: CTest, GoogleTest's test discovery and the
# command-line tests all go through CMAKE_CROSSCOMPILING_EMULATOR.
set(CMAKE_C_COMPILER ${TAL_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${TAL_CROSS_TRIPLE}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${TAL_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

# The target's libraries live in the host's multiarch folders, so the
# target's dynamic loader finds them from the root without -L.
find_program(TAL_QEMU NAMES qemu-${CMAKE_SYSTEM_PROCESSOR}-static qemu-${CMAKE_SYSTEM_PROCESSOR})
if(TAL_QEMU)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TAL_QEMU})
endif()
