# Runs one golden case of zteval; see CMakeLists.txt beside this file.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

if(EXISTS ${CASE}.reg)
  execute_process(COMMAND ${TOOL} write ${CASE}.reg ${WORK} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot write the register files of ${CASE}.reg")
  endif()
endif()

if(EXISTS ${CASE}.zs)
  # A calculator script that starts zteval itself.
  set(_trace --line-map ${WORK}/line-map.txt ${CASE}.zs)
  execute_process(COMMAND ${ZENSCRIPT} --line-map ${WORK}/line-map.txt ${CASE}.zs
    OUTPUT_FILE ${WORK}/output.txt
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc)
else()
  set(_trace --input ${CASE}.in)
  execute_process(COMMAND ${ZTEVAL}
    INPUT_FILE ${CASE}.in
    OUTPUT_FILE ${WORK}/output.txt
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc)
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the run ended with ${rc}")
endif()

# The text exactly, the numbers to a tolerance (transcript_check).
function(compare expected actual)
  execute_process(COMMAND ${CHECKER} ${expected} ${actual} ${ARGN}
    RESULT_VARIABLE different)
  if(different)
    execute_process(COMMAND diff -u ${expected} ${actual})
    message(FATAL_ERROR "${actual} differs from ${expected}")
  endif()
endfunction()

compare(${CASE}.out ${WORK}/output.txt ${_trace})

if(EXISTS ${CASE}.saved)
  execute_process(COMMAND ${TOOL} dump ${WORK} OUTPUT_FILE ${WORK}/saved.txt RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot read the register files in ${WORK}")
  endif()
  compare(${CASE}.saved ${WORK}/saved.txt)
endif()
