# Symbols: a shared TalFoundation exports only what its public headers
# declare with TAL_EXPORT (from the generated TalFoundation/Export.h); detail
# code, RapidJSON and the ICU inlines it instantiates stay inside.
include(GenerateExportHeader)

set(TALFOUNDATION_EXPORT_HEADER ${PROJECT_BINARY_DIR}/include/TalFoundation/Export.h CACHE INTERNAL "The generated header of TAL_EXPORT")
set(TALFOUNDATION_EXPORT_STATIC_DEFINE TAL_STATIC_DEFINE CACHE INTERNAL "Defined for users of a static build")
generate_export_header(TalFoundation BASE_NAME TAL EXPORT_FILE_NAME ${TALFOUNDATION_EXPORT_HEADER}
                       STATIC_DEFINE ${TALFOUNDATION_EXPORT_STATIC_DEFINE})
set_target_properties(TalFoundation PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(TalFoundation PUBLIC $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include>)
get_target_property(_tal_type TalFoundation TYPE)
if(_tal_type STREQUAL "STATIC_LIBRARY")
  # Nothing to import from an archive: TAL_EXPORT stays empty for its users.
  target_compile_definitions(TalFoundation PUBLIC ${TALFOUNDATION_EXPORT_STATIC_DEFINE})
endif()
