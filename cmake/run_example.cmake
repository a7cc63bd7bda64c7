# Converts a fresh copy of the example folder with the built tool and prints the result.
# Called with -DROWCARD=<tool> -DEXAMPLES=<examples folder> -DWORK=<scratch folder>.
file(REMOVE_RECURSE "${WORK}")
file(COPY "${EXAMPLES}/" DESTINATION "${WORK}")
execute_process(COMMAND "${ROWCARD}" WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status)
message(STATUS "rowcard finished with exit status ${status}; import.vcf holds:")
execute_process(COMMAND "${CMAKE_COMMAND}" -E cat "${WORK}/import.vcf")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "rowcard failed with exit status ${status}")
endif()
