# Sample collection SAMPLE.QV3, built beside the binaries from the word lists in words/ with
# quorvex-cli and fixed seeds, so every build makes the same puzzles. The program started in the
# build directory opens it when there is no DEFAULT.QV3 there.
#
# Each entry: word list, shape record number in QVFLAY.DAT, seed, category, title.
set(SAMPLE_PUZZLES
  "animals|8|1998|Nature|Wild Animals"
  "weather|9|2024|Nature|Weather Watch"
  "fruits|3|97|Food|Fruit Bowl"
  "space|4|1969|Science|The Solar System")
set(SAMPLE_ATTEMPTS 200)

set(SAMPLE_COLLECTION ${CMAKE_BINARY_DIR}/SAMPLE.QV3)
# quorvex-cli build appends: the puzzles go into a fresh file that replaces the old one at the end.
set(SAMPLE_PARTIAL ${CMAKE_CURRENT_BINARY_DIR}/SAMPLE.QV3.part)
set(SAMPLE_COMMANDS COMMAND ${CMAKE_COMMAND} -E rm -f ${SAMPLE_PARTIAL})
set(SAMPLE_WORD_FILES)
foreach(entry ${SAMPLE_PUZZLES})
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 words)
  list(GET fields 1 shape)
  list(GET fields 2 seed)
  list(GET fields 3 category)
  list(GET fields 4 title)
  set(word_file ${CMAKE_CURRENT_SOURCE_DIR}/words/${words}.txt)
  list(APPEND SAMPLE_WORD_FILES ${word_file})
  list(APPEND SAMPLE_COMMANDS
    COMMAND quorvex-cli build --words ${word_file} --shape-lib ${SHAPE_LIBRARY} --shape ${shape}
            --attempts ${SAMPLE_ATTEMPTS} --seed ${seed} --category ${category} --title ${title}
            --out ${SAMPLE_PARTIAL})
endforeach()

add_custom_command(
  OUTPUT ${SAMPLE_COLLECTION}
  ${SAMPLE_COMMANDS}
  COMMAND ${CMAKE_COMMAND} -E rename ${SAMPLE_PARTIAL} ${SAMPLE_COLLECTION}
  DEPENDS quorvex-cli ${SHAPE_LIBRARY} ${SAMPLE_WORD_FILES} ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Building the sample collection SAMPLE.QV3"
  VERBATIM)
add_custom_target(sample_collection ALL DEPENDS ${SAMPLE_COLLECTION})

# The window tests open the sample collection: building them builds it first.
function(quorvex_sample_for_tests)
  foreach(tests ui_tests)
    if(TARGET ${tests})
      add_dependencies(${tests} sample_collection)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quorvex_sample_for_tests)
