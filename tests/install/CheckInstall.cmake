# Uses an installed TalFoundation as its users would. One MODE per test:
#   install         install the build into WORK_DIR/prefix (the others' fixture)
#   cmake-cxx       the C++ consumer through find_package(TalFoundation CONFIG)
#   cmake-c         a LANGUAGES C project through the same package config
#   pkg-config-cxx  the C++ consumer built with `pkg-config --cflags --libs`
#   pkg-config-c    the C consumer built the same way
#   headers         every installed header compiled on its own, with no
#                   include path but the prefix's, and none reaching ICU or
#                   RapidJSON
# Every consumer is also run: it checks a real result from the library.
set(prefix "${WORK_DIR}/prefix")
set(static_define "")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

# The consumer's compilers and flags are the build's own, so that a libc++
# build gets a libc++ consumer.
set(consumer_args -G "${GENERATOR}" -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_C_COMPILER=${CC} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
if(TOOLCHAIN_FILE)
  list(APPEND consumer_args -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE})
endif()

function(cmake_consumer source_dir name)
  set(build "${WORK_DIR}/${name}")
  file(REMOVE_RECURSE "${build}")
  run(${CMAKE_COMMAND} -S "${source_dir}" -B "${build}" ${consumer_args} ${ARGN})
  run(${CMAKE_COMMAND} --build "${build}")
  run("${build}/consumer")
endfunction()

# pkg-config sees only this prefix; --static when the library is an archive.
function(pkg_config_flags out_var)
  file(GLOB_RECURSE pc_files "${prefix}/*/talfoundation.pc")
  if(NOT pc_files)
    message(FATAL_ERROR "no talfoundation.pc installed under ${prefix}")
  endif()
  list(GET pc_files 0 pc_file)
  get_filename_component(pc_dir "${pc_file}" DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} "${pc_dir}")
  file(GLOB static_archive "${prefix}/lib*/libTalFoundation.a" "${prefix}/lib*/*/libTalFoundation.a")
  set(static "")
  if(static_archive)
    set(static --static)
  endif()
  run(${PKG_CONFIG} --print-errors ${static} --cflags --libs talfoundation)
  string(STRIP "${run_output}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${out_var} ${flags} PARENT_SCOPE)
endfunction()

function(pkg_config_consumer compiler source std name)
  pkg_config_flags(flags)
  separate_arguments(extra UNIX_COMMAND "${ARGN}")
  set(binary "${WORK_DIR}/${name}")
  file(REMOVE "${binary}")
  run(${compiler} ${std} ${extra} "${source}" -o "${binary}" ${flags})
  run("${binary}")
endfunction()

if(MODE STREQUAL "install")
  file(REMOVE_RECURSE "${WORK_DIR}")
  run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}" --config "${CONFIG}")
elseif(MODE STREQUAL "cmake-cxx")
  cmake_consumer("${SOURCE_DIR}/tests/install/consumer" consumer-cxx)
elseif(MODE STREQUAL "cmake-c")
  cmake_consumer("${SOURCE_DIR}/tests/install/c-consumer" consumer-c)
elseif(MODE STREQUAL "pkg-config-cxx")
  pkg_config_consumer(${CXX} "${SOURCE_DIR}/tests/install/consumer/main.cpp" -std=c++20 pkgconfig-cxx
                      "${CXX_FLAGS} ${LINK_FLAGS}")
elseif(MODE STREQUAL "pkg-config-c")
  pkg_config_consumer(${CC} "${SOURCE_DIR}/tests/install/c-consumer/main.c" -std=c11 pkgconfig-c)
elseif(MODE STREQUAL "headers")
  set(build "${WORK_DIR}/headers")
  file(REMOVE_RECURSE "${build}")
  # Ninja, whatever the build used: its record of each object's headers is
  # what tells whether ICU or RapidJSON was reached.
  list(TRANSFORM consumer_args REPLACE "^${GENERATOR}$" "Ninja")
  run(${CMAKE_COMMAND} -S "${SOURCE_DIR}/tests/install/headers" -B "${build}" ${consumer_args}
      -DCMAKE_MAKE_PROGRAM=${NINJA} -DTAL_INCLUDE_DIR=${prefix}/include)
  run(${CMAKE_COMMAND} --build "${build}")
  # What each header reached, as the compiler reported it to Ninja.
  run(${NINJA} -C "${build}" -t deps)
  string(REGEX MATCHALL "[^\n]*/(unicode|rapidjson)/[^\n]*" leaks "${run_output}")
  if(leaks)
    list(REMOVE_DUPLICATES leaks)
    string(REPLACE ";" "\n" leaks "${leaks}")
    message(FATAL_ERROR "installed headers include ICU or RapidJSON headers:\n${leaks}")
  endif()
  string(REGEX MATCHALL "[^\n]*\\.h\\.c(pp)?\\.o: #deps" compiled "${run_output}")
  list(LENGTH compiled count)
  message(STATUS "${count} installed headers compile on their own")
else()
  message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
