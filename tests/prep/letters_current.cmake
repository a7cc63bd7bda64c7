# Regenerates the letter table into FRESH and fails unless it matches COMMITTED.
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${DATA} OUTPUT_FILE ${FRESH} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "scripts/gen_letters.py failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FRESH} ${COMMITTED} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "src/text/letters.cpp is stale: run scripts/gen_letters.py > src/text/letters.cpp")
endif()
