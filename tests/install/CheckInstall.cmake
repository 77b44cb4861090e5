# Uses an installed TalFoundation as its users would. One MODE per test:
#   install         install the build into WORK_DIR/prefix (the others' fixture)
#   cmake-cxx       the C++ consumer through find_package(TalFoundation CONFIG)
#   cmake-c         a LANGUAGES C project through the same package config
#   pkg-config-cxx  the C++ consumer built with `pkg-config --cflags --libs`
#   pkg-config-c    the C consumer built the same way
#   shared          a shared build of the library: it exports no detail,
#                   RapidJSON or ICU symbol, and its install serves the C++
#                   consumer without ICU's CMake files, a pkg-config consumer
#                   and tal-convert
#   deb             `cpack -G DEB`: the runtime package holds tal-convert
#                   (which runs from the unpacked tree) and its man page, the
#                   development package the headers and package files
#   headers         every installed header compiled on its own, with no
#                   include path but the prefix's, and none reaching ICU or
#                   RapidJSON
# Every consumer is also run: it checks a real result from the library.
cmake_minimum_required(VERSION 3.25)
set(prefix "${WORK_DIR}/prefix")

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
  file(REMOVE_RECURSE "${prefix}")
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
elseif(MODE STREQUAL "deb")
  set(out "${WORK_DIR}/deb")
  file(REMOVE_RECURSE "${out}")
  run(${CPACK} -G DEB -B "${out}" -C "${CONFIG}" --config "${BUILD_DIR}/CPackConfig.cmake")
  file(GLOB runtime_deb "${out}/talfoundation_*.deb")
  file(GLOB development_deb "${out}/talfoundation-dev_*.deb")
  if(NOT runtime_deb OR NOT development_deb)
    file(GLOB made "${out}/*.deb")
    message(FATAL_ERROR "expected talfoundation and talfoundation-dev packages, cpack made: ${made}")
  endif()
  function(unpack deb root)
    run(${DPKG_DEB} -x "${deb}" "${root}")
    file(GLOB_RECURSE files RELATIVE "${root}" "${root}/*")
    set(files "${files}" PARENT_SCOPE)
  endfunction()
  unpack("${runtime_deb}" "${out}/runtime")
  foreach(expected usr/bin/tal-convert usr/share/man/man1/tal-convert.1)
    if(NOT expected IN_LIST files)
      message(FATAL_ERROR "the runtime package lacks ${expected}: ${files}")
    endif()
  endforeach()
  list(FILTER files INCLUDE REGEX "(^usr/include/|\\.cmake$|\\.pc$|\\.a$)")
  if(files)
    message(FATAL_ERROR "the runtime package holds development files: ${files}")
  endif()
  run("${out}/runtime/usr/bin/tal-convert" 1.5 km mi)
  if(NOT run_output STREQUAL "1.5 km = 0.9320567883560009544261512765449773 mi\n")
    message(FATAL_ERROR "tal-convert from the package printed: ${run_output}")
  endif()
  unpack("${development_deb}" "${out}/development")
  foreach(expected usr/include/TalFoundation/TalFoundation.h usr/include/TalFoundation/Export.h
                   usr/lib/pkgconfig/talfoundation.pc usr/lib/cmake/TalFoundation/TalFoundationConfig.cmake)
    if(NOT expected IN_LIST files)
      message(FATAL_ERROR "the development package lacks ${expected}: ${files}")
    endif()
  endforeach()
elseif(MODE STREQUAL "shared")
  set(build "${WORK_DIR}/shared-build")
  set(prefix "${WORK_DIR}/shared-prefix")
  file(REMOVE_RECURSE "${prefix}")
  list(FILTER consumer_args EXCLUDE REGEX "^-DCMAKE_(PREFIX_PATH|BUILD_TYPE)=")
  run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${build}" ${consumer_args} -DCMAKE_BUILD_TYPE=${CONFIG}
      -DBUILD_SHARED_LIBS=ON -DTALFOUNDATION_BUILD_TESTS=OFF -DTALFOUNDATION_BUILD_BENCHMARKS=OFF
      -DTALFOUNDATION_BUILD_PYTHON=OFF -DTALFOUNDATION_BUILD_DOCS=OFF -DTALFOUNDATION_BUILD_EXAMPLES=ON)
  run(${CMAKE_COMMAND} --build "${build}" --target TalFoundation tal-convert)
  file(GLOB library "${build}/TalFoundation/libTalFoundation.so")
  if(NOT library)
    message(FATAL_ERROR "no shared library in ${build}/TalFoundation")
  endif()
  run(${NM} -D -C --defined-only "${library}")
  string(REGEX MATCHALL "[^\n]*(::detail::|rapidjson|RAPIDJSON|icu_[0-9]+::|U_ICU_)[^\n]*" leaks "${run_output}")
  if(leaks)
    string(REPLACE ";" "\n" leaks "${leaks}")
    message(FATAL_ERROR "the shared library exports internal symbols:\n${leaks}")
  endif()
  string(REGEX MATCHALL " T tal_convert\n" c_api "${run_output}")
  string(REGEX MATCHALL "[^\n]* T tal::TalUnit::[^\n]*" cxx_api "${run_output}")
  if(NOT c_api OR NOT cxx_api)
    message(FATAL_ERROR "the shared library does not export its API:\n${run_output}")
  endif()
  run(${CMAKE_COMMAND} --install "${build}" --prefix "${prefix}" --config "${CONFIG}")
  # A shared library's users need no ICU development files.
  cmake_consumer("${SOURCE_DIR}/tests/install/consumer" shared-consumer-cxx -DCMAKE_PREFIX_PATH=${prefix}
                 -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON)
  pkg_config_consumer(${CXX} "${SOURCE_DIR}/tests/install/consumer/main.cpp" -std=c++20 shared-pkgconfig-cxx
                      "${CXX_FLAGS} ${LINK_FLAGS} -Wl,-rpath,${prefix}/lib")
  run(${prefix}/bin/tal-convert 1.5 km mi)
  if(NOT run_output STREQUAL "1.5 km = 0.9320567883560009544261512765449773 mi\n")
    message(FATAL_ERROR "tal-convert from the shared install printed: ${run_output}")
  endif()
else()
  message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
