# Install rules, the package config that find_package(TalFoundation CONFIG)
# reads, the pkg-config file, and the Debian packages that cpack makes.
# Components: Runtime (shared library, tal-convert, its man page) and
# Development (headers, static library, CMake and pkg-config files).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

get_target_property(_tal_library_type TalFoundation TYPE)
if(_tal_library_type STREQUAL "STATIC_LIBRARY")
  set(TALFOUNDATION_STATIC ON)
else()
  set(TALFOUNDATION_STATIC OFF)
endif()

# The C++ runtime a C program needs beside a static TalFoundation: what the
# C++ driver links implicitly (libstdc++ and libm, or libc++) less what a C
# driver links anyway.
set(_tal_c_runtime c gcc gcc_s gcc_eh)
if(CMAKE_C_IMPLICIT_LINK_LIBRARIES)
  list(APPEND _tal_c_runtime ${CMAKE_C_IMPLICIT_LINK_LIBRARIES})
endif()
set(TALFOUNDATION_CXX_RUNTIME ${CMAKE_CXX_IMPLICIT_LINK_LIBRARIES})
list(REMOVE_DUPLICATES TALFOUNDATION_CXX_RUNTIME)
list(REMOVE_ITEM TALFOUNDATION_CXX_RUNTIME ${_tal_c_runtime})
list(FILTER TALFOUNDATION_CXX_RUNTIME EXCLUDE REGEX "^(-|/)")  # plain library names only
if(TALFOUNDATION_STATIC AND TALFOUNDATION_CXX_RUNTIME)
  # A C++ link adds these itself; a C or Fortran link of the archive does not.
  target_link_libraries(TalFoundation INTERFACE
    "$<$<NOT:$<LINK_LANGUAGE:CXX>>:${TALFOUNDATION_CXX_RUNTIME}>")
endif()

# Headers: the public ones, and the detail headers they include (found by
# following their #include lines), nothing else. Internal headers may pull in
# ICU or RapidJSON; installed ones must not.
file(GLOB_RECURSE _tal_public_headers RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/TalFoundation/*.h)
list(FILTER _tal_public_headers EXCLUDE REGEX "/detail/")
set(_tal_installed_headers ${_tal_public_headers})
set(_tal_pending ${_tal_public_headers})
while(_tal_pending)
  list(POP_FRONT _tal_pending _tal_header)
  file(STRINGS ${PROJECT_SOURCE_DIR}/${_tal_header} _tal_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]TalFoundation/")
  foreach(_tal_line IN LISTS _tal_includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">].*" "\\1" _tal_included "${_tal_line}")
    if(EXISTS ${PROJECT_SOURCE_DIR}/${_tal_included} AND NOT _tal_included IN_LIST _tal_installed_headers)
      list(APPEND _tal_installed_headers ${_tal_included})
      list(APPEND _tal_pending ${_tal_included})
    endif()
  endforeach()
endwhile()
foreach(_tal_header IN LISTS _tal_installed_headers)
  get_filename_component(_tal_dir ${_tal_header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${_tal_header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${_tal_dir}
          COMPONENT Development)
endforeach()
if(TALFOUNDATION_EXPORT_HEADER)
  install(FILES ${TALFOUNDATION_EXPORT_HEADER} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/TalFoundation
          COMPONENT Development)
endif()

install(TARGETS TalFoundation EXPORT TalFoundationTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(TARGET tal-convert)
  if(NOT TALFOUNDATION_STATIC)
    # Finds the library beside it wherever the prefix is moved.
    set_target_properties(tal-convert PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
  endif()
  install(TARGETS tal-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/tal-convert.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT Runtime)
endif()

install(EXPORT TalFoundationTargets NAMESPACE TalFoundation::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/TalFoundation COMPONENT Development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TalFoundationConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/TalFoundationConfig.cmake
                              INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/TalFoundation)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TalFoundationConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TalFoundationConfig.cmake
              ${PROJECT_BINARY_DIR}/TalFoundationConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/TalFoundation COMPONENT Development)

# pkg-config: a shared library brings its own dependencies; a static one
# lists ICU and the C++ runtime for `pkg-config --static`.
set(TALFOUNDATION_PC_REQUIRES_PRIVATE "")
set(TALFOUNDATION_PC_LIBS_PRIVATE "")
set(TALFOUNDATION_PC_CFLAGS "")
if(TALFOUNDATION_STATIC)
  set(TALFOUNDATION_PC_REQUIRES_PRIVATE "icu-i18n icu-uc")
  list(TRANSFORM TALFOUNDATION_CXX_RUNTIME PREPEND "-l" OUTPUT_VARIABLE _tal_runtime_flags)
  list(JOIN _tal_runtime_flags " " TALFOUNDATION_PC_LIBS_PRIVATE)
  if(TALFOUNDATION_EXPORT_STATIC_DEFINE)
    set(TALFOUNDATION_PC_CFLAGS " -D${TALFOUNDATION_EXPORT_STATIC_DEFINE}")
  endif()
endif()
string(STRIP "${TALFOUNDATION_PC_LIBS_PRIVATE} -pthread" TALFOUNDATION_PC_LIBS_PRIVATE)
# Relocatable: the prefix is found from where the .pc file lies.
file(RELATIVE_PATH TALFOUNDATION_PC_PREFIX_FROM_PCDIR /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/talfoundation.pc.in ${PROJECT_BINARY_DIR}/talfoundation.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/talfoundation.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT Development)

# Debian packages, one per component: `cpack -G DEB` in the build directory.
set(CPACK_PACKAGE_NAME talfoundation)
set(CPACK_PACKAGE_VENDOR "TalFoundation")
set(CPACK_PACKAGE_CONTACT "TalFoundation maintainers <talfoundation@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Exact decimal unit conversion, number text and currency rates")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME talfoundation)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME talfoundation-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "talfoundation (= ${PROJECT_VERSION})")
if(TALFOUNDATION_STATIC)
  string(APPEND CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS ", libicu-dev")
endif()
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "The TalFoundation library and the tal-convert command")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "Headers, CMake and pkg-config files for TalFoundation")
include(CPack)
