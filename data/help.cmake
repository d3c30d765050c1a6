# Help pages and the user manual, beside the binaries: the pages go into help/, pictures of the real
# windows into help/pictures/, and the manual QORVX.PDF is printed from them by a small build tool.
# The build tools run headless. A build without windows prints the manual without pictures.
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

set(HELP_PICTURES)
if(TARGET quorvex_ui)
  add_executable(make_window_pictures tools/make_window_pictures.cpp)
  target_link_libraries(make_window_pictures PRIVATE quorvex_ui)
  set_target_properties(make_window_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  foreach(window mainwindow wordlist created report preview)
    list(APPEND HELP_PICTURES ${HELP_FOLDER}/pictures/${window}.png ${HELP_FOLDER}/pictures/${window}@2x.png)
  endforeach()
  add_custom_command(
    OUTPUT ${HELP_PICTURES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_window_pictures>
            ${CMAKE_BINARY_DIR} ${HELP_FOLDER}/pictures
    DEPENDS make_window_pictures ${SHAPE_LIBRARY} ${PAGE_FILE} ${SAMPLE_COLLECTION}
    COMMENT "Taking the window pictures of the help pages"
    VERBATIM)
endif()

add_executable(make_manual tools/make_manual.cpp tools/PdfNavigation.cpp tools/PdfNavigation.h)
target_link_libraries(make_manual PRIVATE Qt6::Gui)
set_target_properties(make_manual PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(USER_MANUAL ${CMAKE_BINARY_DIR}/QORVX.PDF)
add_custom_command(
  OUTPUT ${USER_MANUAL}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_manual> ${HELP_FOLDER} ${USER_MANUAL}
  DEPENDS make_manual ${HELP_COPIES} ${HELP_PICTURES}
  COMMENT "Printing the user manual QORVX.PDF from the help pages"
  VERBATIM)

# Its own target rather than part of default_data: the pictures need the window library, which the
# core tests do not.
add_custom_target(help_pages ALL DEPENDS ${HELP_COPIES} ${USER_MANUAL})
add_dependencies(help_pages default_data)
