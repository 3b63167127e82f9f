# Runs one golden transcript. A script line "# exit: N" sets the expected exit
# status (0 otherwise); the transcript is compared by transcript_check.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
file(GLOB _data ${DATA}/*)
if(_data)
  file(COPY ${_data} DESTINATION ${WORKDIR})
endif()

file(STRINGS ${SCRIPT} _exit_line REGEX "^# exit: [0-9]+$")
set(_expected_status 0)
if(_exit_line)
  string(REGEX REPLACE "^# exit: " "" _expected_status "${_exit_line}")
endif()

execute_process(COMMAND ${ZENSCRIPT} --line-map ${WORKDIR}/line-map.txt ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE _transcript
  ERROR_VARIABLE _errors
  RESULT_VARIABLE _status)
file(WRITE ${WORKDIR}/actual.out "${_transcript}")

if(NOT "${_status}" STREQUAL "${_expected_status}")
  message(FATAL_ERROR "exit status ${_status}, expected ${_expected_status}\n${_errors}")
endif()
execute_process(COMMAND ${CHECKER} ${EXPECTED} ${WORKDIR}/actual.out
                        --line-map ${WORKDIR}/line-map.txt ${SCRIPT}
  RESULT_VARIABLE _different)
if(_different)
  execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/actual.out)
  message(FATAL_ERROR "the transcript differs from ${EXPECTED}")
endif()
