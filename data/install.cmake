# cmake --install lays the program out as it runs from the build folder: the binaries and their
# data files (shape library, page file, sample collection, help pages and manual) share one
# program directory, QUORVEX_PROGRAM_SUBDIR under the prefix; bin/ holds links to the binaries.
# A desktop entry, an icon and the puzzle collection file type let a file manager open .QV3 files.
include(GNUInstallDirs)
set(QUORVEX_PROGRAM_SUBDIR "lib/quorvex" CACHE STRING "Program directory under the install prefix")

set(INSTALLED_DATA ${CMAKE_BINARY_DIR}/QVFLAY.DAT ${CMAKE_BINARY_DIR}/QVFPAGE.DAT ${CMAKE_BINARY_DIR}/SAMPLE.QV3
                   ${CMAKE_BINARY_DIR}/QORVX.PDF)
install(FILES ${INSTALLED_DATA} DESTINATION ${QUORVEX_PROGRAM_SUBDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/help DESTINATION ${QUORVEX_PROGRAM_SUBDIR} FILES_MATCHING PATTERN "*.html"
        PATTERN "*.png")

set(INSTALLED_PROGRAMS quorvex-cli)
if(TARGET quorvex)
  list(APPEND INSTALLED_PROGRAMS quorvex)
endif()
install(TARGETS ${INSTALLED_PROGRAMS} RUNTIME DESTINATION ${QUORVEX_PROGRAM_SUBDIR})
file(RELATIVE_PATH PROGRAM_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${QUORVEX_PROGRAM_SUBDIR})
foreach(program ${INSTALLED_PROGRAMS})
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    execute_process(COMMAND \"${CMAKE_COMMAND}\" -E create_symlink \"${PROGRAM_FROM_BIN}/${program}\"
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
    message(STATUS \"Linking: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")")
endforeach()

if(TARGET quorvex)
  set(DESKTOP_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
  # The entry starts the program through a launcher that opens it in the user's Quorvex folder; both
  # name the installed files by their full paths, taken when installing (--prefix may differ).
  install(CODE "
    set(QUORVEX_PROGRAM_DIR \"\${CMAKE_INSTALL_PREFIX}/${QUORVEX_PROGRAM_SUBDIR}\")
    set(QUORVEX_LAUNCHER \"\${QUORVEX_PROGRAM_DIR}/quorvex-desktop\")
    configure_file(\"${DESKTOP_SOURCE}/quorvex-desktop.in\" \"\$ENV{DESTDIR}\${QUORVEX_LAUNCHER}\" @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    message(STATUS \"Installing: \$ENV{DESTDIR}\${QUORVEX_LAUNCHER}\")
    configure_file(\"${DESKTOP_SOURCE}/quorvex.desktop.in\"
                   \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/quorvex.desktop\" @ONLY)
    message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/quorvex.desktop\")")
  install(FILES ${DESKTOP_SOURCE}/quorvex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${DESKTOP_SOURCE}/quorvex-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME quorvex.xml)
  # Registers the file type and the entry where the desktop's tools are at hand; packagers run
  # them in their own scripts instead (DESTDIR set).
  install(CODE "
    if(NOT DEFINED ENV{DESTDIR} OR \"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(UPDATE_MIME update-mime-database)
      if(UPDATE_MIME)
        execute_process(COMMAND \${UPDATE_MIME} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
      endif()
      find_program(UPDATE_DESKTOP update-desktop-database)
      if(UPDATE_DESKTOP)
        execute_process(COMMAND \${UPDATE_DESKTOP} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
      endif()
    endif()")
endif()
