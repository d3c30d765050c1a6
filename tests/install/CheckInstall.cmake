# Installs the build into a fresh prefix and checks the layout a desktop needs: the program
# directory with the binaries and every data file, links in bin/, the desktop entry naming the
# installed launcher, the icon and the collection file type; then starts the launcher and runs the
# installed command-line tool on the installed sample collection. The desktop must name Quorvex as
# the program for a .QV3 file, and the program must answer --help and refuse unknown options.
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

# The desktop names Quorvex as the default program for a collection, as a file manager asks it.
find_program(GIO gio)
if(NOT GIO)
  message(FATAL_ERROR "gio is missing (package libglib2.0-bin, which scripts/install-deps installs)")
endif()
set(DESKTOP_ENV XDG_DATA_DIRS=${PREFIX}/share XDG_DATA_HOME=${PREFIX}/home/.local/share
                XDG_CONFIG_HOME=${PREFIX}/home/.config XDG_CONFIG_DIRS=${PREFIX}/etc)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${DESKTOP_ENV} ${GIO} info -a standard::content-type
                        ${PROGRAM_DIR}/SAMPLE.QV3 OUTPUT_VARIABLE info ERROR_QUIET)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${DESKTOP_ENV} ${GIO} mime application/x-quorvex-collection
                OUTPUT_VARIABLE default ERROR_QUIET)
if(NOT info MATCHES "content-type: application/x-quorvex-collection"
   OR NOT default MATCHES "Default application for [^\n]*: quorvex.desktop")
  message(FATAL_ERROR "the desktop does not open a .QV3 file with Quorvex:\n${info}\n${default}")
endif()

# --help and --version answer without a display; an unknown option is refused, not opened.
foreach(option --help --version --bogus)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                          ${PREFIX}/bin/quorvex ${option}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 10)
  set(answer_${option} "${status}|${out}|${err}")
endforeach()
if(NOT answer_--help MATCHES "^0\\|usage: quorvex" OR NOT answer_--version MATCHES "^0\\|Quorvex [0-9]"
   OR NOT answer_--bogus MATCHES "^2\\|\\|quorvex: unknown option --bogus")
  message(FATAL_ERROR "quorvex --help, --version and --bogus answered:\n${answer_--help}\n${answer_--version}\n${answer_--bogus}")
endif()

# Started from a terminal in a folder of its own, the program opens on a copy of the sample puzzles.
set(TERMINAL_DIR ${PREFIX}/terminal)
file(MAKE_DIRECTORY ${TERMINAL_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PREFIX}/bin/quorvex
                WORKING_DIRECTORY ${TERMINAL_DIR} TIMEOUT 3 RESULT_VARIABLE launched OUTPUT_QUIET ERROR_QUIET)
file(SIZE ${PROGRAM_DIR}/SAMPLE.QV3 sample_size)
if(NOT EXISTS ${TERMINAL_DIR}/SAMPLE.QV3)
  message(FATAL_ERROR "a first start in ${TERMINAL_DIR} did not copy the sample collection there (${launched})")
endif()
file(SIZE ${TERMINAL_DIR}/SAMPLE.QV3 copy_size)
if(NOT copy_size EQUAL sample_size)
  message(FATAL_ERROR "the sample collection copied on a first start is ${copy_size} bytes, not ${sample_size}")
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
