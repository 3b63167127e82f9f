# zt_add_zenscript_goldens(PREFIX): every golden/<case>.zs of the calling
# folder is run by zenscript and its transcript compared with golden/<case>.out.
function(zt_add_zenscript_goldens prefix)
  if(NOT TARGET zenscript)
    return()
  endif()
  file(GLOB _scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/golden/*.zs)
  foreach(script IN LISTS _scripts)
    get_filename_component(_case ${script} NAME_WE)
    add_test(NAME ${prefix}_golden_${_case}
      COMMAND ${CMAKE_COMMAND}
        -DZENSCRIPT=$<TARGET_FILE:zenscript>
        -DCASE=${CMAKE_CURRENT_SOURCE_DIR}/golden/${_case}
        -DWORK=${CMAKE_CURRENT_BINARY_DIR}/golden-work/${_case}
        -P ${PROJECT_SOURCE_DIR}/tests/commands/run_zenscript_golden.cmake)
  endforeach()
endfunction()
