# Install rules and the package config that find_package(TalFoundation CONFIG) reads.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS TalFoundation EXPORT TalFoundationTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/TalFoundation DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")
install(EXPORT TalFoundationTargets NAMESPACE TalFoundation::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/TalFoundation)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TalFoundationConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/TalFoundationConfig.cmake
                              INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/TalFoundation)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TalFoundationConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TalFoundationConfig.cmake
              ${PROJECT_BINARY_DIR}/TalFoundationConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/TalFoundation)
