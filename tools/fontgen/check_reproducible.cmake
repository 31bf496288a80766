# Reruns the font generator into a scratch directory and compares its output with the committed
# tables byte for byte. Run from the tree's root layout so the recorded command line matches.
if(NOT EXISTS "${FACE}")
  message(FATAL_ERROR "font face ${FACE} is missing: install the fonts-liberation2 package "
                      "(or set KDR7_FONT_FACE); the font tables cannot be checked without it")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/graphics/data")
execute_process(COMMAND "${GENERATOR}" "${FACE}" graphics/data
                WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kdr7-fontgen failed (${rc})")
endif()

file(GLOB generated RELATIVE "${WORK_DIR}/graphics/data" "${WORK_DIR}/graphics/data/font*.cpp")
file(GLOB committed RELATIVE "${SOURCE_DIR}/graphics/data" "${SOURCE_DIR}/graphics/data/font*.cpp")
list(SORT generated)
list(SORT committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "generated files (${generated}) differ from committed ones (${committed})")
endif()
list(LENGTH generated count)
if(NOT count EQUAL 9)
  message(FATAL_ERROR "expected nine font tables, found ${count}")
endif()
foreach(name ${generated})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                    "${WORK_DIR}/graphics/data/${name}" "${SOURCE_DIR}/graphics/data/${name}"
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "graphics/data/${name} is not what kdr7-fontgen makes of ${FACE}")
  endif()
endforeach()
message(STATUS "all ${count} font tables reproduced byte for byte")
