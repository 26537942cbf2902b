# Runs groff on the manual source: cmake -DGROFF=... -DSOURCE=... -DOUTPUT=... -P
get_filename_component(source_dir ${SOURCE} DIRECTORY)
execute_process(
  COMMAND ${GROFF} -ms -t -Tpdf -Kutf8 ${SOURCE}
  WORKING_DIRECTORY ${source_dir}
  OUTPUT_FILE ${OUTPUT}.part
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTPUT}.part)
  message(FATAL_ERROR "groff failed on ${SOURCE}: ${errors}")
endif()
file(RENAME ${OUTPUT}.part ${OUTPUT})
