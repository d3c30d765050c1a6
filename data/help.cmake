# Help pages and the user manual, beside the binaries: the pages go into help/, and the manual
# QORVX.PDF is printed from them by a small build tool, run headless.
file(GLOB HELP_PAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/help/*.html)
set(HELP_FOLDER ${CMAKE_BINARY_DIR}/help)
set(HELP_COPIES)
foreach(page ${HELP_PAGES})
  get_filename_component(name ${page} NAME)
  add_custom_command(
    OUTPUT ${HELP_FOLDER}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${HELP_FOLDER}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page} ${HELP_FOLDER}/${name}
    DEPENDS ${page}
    VERBATIM)
  list(APPEND HELP_COPIES ${HELP_FOLDER}/${name})
endforeach()

add_executable(make_manual tools/make_manual.cpp)
target_link_libraries(make_manual PRIVATE Qt6::Gui)
set_target_properties(make_manual PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(USER_MANUAL ${CMAKE_BINARY_DIR}/QORVX.PDF)
add_custom_command(
  OUTPUT ${USER_MANUAL}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_manual> ${HELP_FOLDER} ${USER_MANUAL}
  DEPENDS make_manual ${HELP_COPIES}
  COMMENT "Printing the user manual QORVX.PDF from the help pages"
  VERBATIM)

add_custom_target(help_pages DEPENDS ${HELP_COPIES} ${USER_MANUAL})
add_dependencies(default_data help_pages)
