# Installs the build into a fresh prefix and checks the layout a desktop needs: the program
# directory with the binaries and every data file, links in bin/, the desktop entry naming the
# installed launcher, the icon and the collection file type; then starts the launcher and runs the
# installed command-line tool on the installed sample collection.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

set(PROGRAM_DIR ${PREFIX}/lib/quorvex)
foreach(file quorvex quorvex-cli QVFLAY.DAT QVFPAGE.DAT SAMPLE.QV3 QORVX.PDF help/index.html help/connection.html
             help/designer.html help/pictures/mainwindow.png)
  if(NOT EXISTS ${PROGRAM_DIR}/${file})
    message(FATAL_ERROR "missing from the program directory: ${file}")
  endif()
endforeach()
foreach(program quorvex quorvex-cli)
  file(REAL_PATH ${PREFIX}/bin/${program} target)
  file(REAL_PATH ${PROGRAM_DIR}/${program} expected)
  if(NOT target STREQUAL expected)
    message(FATAL_ERROR "bin/${program} leads to ${target}, not ${expected}")
  endif()
endforeach()
foreach(file share/icons/hicolor/scalable/apps/quorvex.svg share/mime/packages/quorvex.xml)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "missing: ${file}")
  endif()
endforeach()

file(READ ${PREFIX}/share/applications/quorvex.desktop entry)
foreach(line "Exec=${PREFIX}/lib/quorvex/quorvex-desktop %f" "MimeType=application/x-quorvex-collection;" "Icon=quorvex")
  string(FIND "${entry}" "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks \"${line}\":\n${entry}")
  endif()
endforeach()
file(READ ${PREFIX}/share/mime/packages/quorvex.xml mime)
string(FIND "${mime}" "<glob pattern=\"*.QV3\"/>" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the collection file type does not match *.QV3")
endif()

# The desktop launcher starts the program in the user's Quorvex folder, made on the first start with
# the sample collection in it (the program itself is stopped after a moment).
set(HOME_DIR ${PREFIX}/home)
file(MAKE_DIRECTORY ${HOME_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${HOME_DIR} QT_QPA_PLATFORM=offscreen
                        ${PROGRAM_DIR}/quorvex-desktop
                TIMEOUT 3 RESULT_VARIABLE launched OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS ${HOME_DIR}/Quorvex/SAMPLE.QV3)
  message(FATAL_ERROR "the desktop launcher did not prepare ${HOME_DIR}/Quorvex (${launched})")
endif()

execute_process(COMMAND ${PREFIX}/bin/quorvex-cli list ${PROGRAM_DIR}/SAMPLE.QV3
                RESULT_VARIABLE listed OUTPUT_VARIABLE listing)
string(FIND "${listing}" "Wild Animals" found)
if(NOT listed EQUAL 0 OR found EQUAL -1)
  message(FATAL_ERROR "the installed quorvex-cli could not list the sample collection:\n${listing}")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed layout checked")
