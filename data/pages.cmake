# Starter page file QVFPAGE.DAT, built from the readable layouts in pages/ by tools/MakePageFile.cpp
# and placed beside the binaries.
add_executable(make-page-file ${CMAKE_CURRENT_LIST_DIR}/tools/MakePageFile.cpp)
target_link_libraries(make-page-file PRIVATE quorvex_core)
set_target_properties(make-page-file PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

file(GLOB PAGE_LAYOUT_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/pages/*.layout)
list(SORT PAGE_LAYOUT_SOURCES)
set(PAGE_FILE ${CMAKE_BINARY_DIR}/QVFPAGE.DAT)
add_custom_command(OUTPUT ${PAGE_FILE}
                   COMMAND make-page-file --out ${PAGE_FILE} ${PAGE_LAYOUT_SOURCES}
                   DEPENDS make-page-file ${PAGE_LAYOUT_SOURCES}
                   COMMENT "Building the page file QVFPAGE.DAT"
                   VERBATIM)
add_custom_target(page_file ALL DEPENDS ${PAGE_FILE})

# The core tests read the built page file: building them builds it first. Deferred to the end of
# the top-level directory, where the test target exists.
function(quorvex_page_file_for_tests)
  if(TARGET core_tests)
    add_dependencies(core_tests page_file)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quorvex_page_file_for_tests)
