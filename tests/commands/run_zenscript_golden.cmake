# Runs one zenscript golden case in an empty scratch directory and compares
# its transcript with the expected one. Variables: ZENSCRIPT, CASE (the path
# without .zs / .out), WORK (the scratch directory).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${ZENSCRIPT} ${CASE}.zs
  OUTPUT_FILE ${WORK}/transcript.txt
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "zenscript ended with ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CASE}.out ${WORK}/transcript.txt
  RESULT_VARIABLE different)
if(different)
  execute_process(COMMAND diff -u ${CASE}.out ${WORK}/transcript.txt)
  message(FATAL_ERROR "the transcript differs from ${CASE}.out")
endif()
