# Runs the encoder in the repository root over every picture, in name order, writing OUTPUT;
# with COMPARE_WITH, fails unless OUTPUT matches that file byte for byte.
file(GLOB pictures RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/graphics/pictures/*.txt)
list(SORT pictures)
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
execute_process(COMMAND ${ENCODER} ${pictures}
  WORKING_DIRECTORY ${SOURCE_DIR}
  OUTPUT_FILE ${OUTPUT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "rleenc failed (${result})")
endif()
if(COMPARE_WITH)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMPARE_WITH}
    RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "${COMPARE_WITH} is not what rleenc makes of graphics/pictures "
                        "(fresh output: ${OUTPUT}); run: ninja regenerate-images")
  endif()
endif()
