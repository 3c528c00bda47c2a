# Runs PROGRAM with OPTION and writes what it prints to OUTPUT, gzipped when GZIP is set:
#   cmake -DPROGRAM=... -DOPTION=... -DOUTPUT=... [-DGZIP=ON] -P write_program_output.cmake
execute_process(COMMAND ${PROGRAM} ${OPTION} OUTPUT_FILE ${OUTPUT}.tmp RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "${PROGRAM} ${OPTION} failed: ${status}")
endif()
if(GZIP)
  # -n leaves out the name and time stamp, so the same text gives the same file.
  execute_process(COMMAND gzip -9nf ${OUTPUT}.tmp RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${OUTPUT}.tmp")
  endif()
  file(RENAME ${OUTPUT}.tmp.gz ${OUTPUT})
else()
  file(RENAME ${OUTPUT}.tmp ${OUTPUT})
endif()
