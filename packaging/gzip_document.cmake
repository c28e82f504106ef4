# Run by the build: gzips a document as Debian installs them, optionally turning scdoc source into a
# manual page first. gzip -9n stores no name or time stamp, so the same source gives the same bytes.
# Usage: cmake -DGZIP=... [-DSCDOC=...] -DINPUT=... -DOUTPUT=....gz -P gzip_document.cmake
set(steps)
if(SCDOC)
  list(APPEND steps COMMAND ${SCDOC})
endif()
execute_process(${steps} COMMAND ${GZIP} -9n
  INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT} ERROR_VARIABLE errors RESULTS_VARIABLE results)
foreach(result ${results})
  if(NOT result EQUAL 0)
    # A half-written file would count as made and never be made again.
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "cannot make ${OUTPUT} from ${INPUT}: ${errors}")
  endif()
endforeach()
