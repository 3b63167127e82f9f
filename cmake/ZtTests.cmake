# zt_add_test_folder(NAME LIBS...): one GoogleTest program from every .cpp
# of the calling folder, each test registered with ctest.
function(zt_add_test_folder name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZT_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()

# zt_add_zenscript_goldens(PREFIX DIR): every DIR/NAME.zs runs through
# zenscript in a fresh working directory holding the files of DIR/data, and
# its transcript must agree with DIR/NAME.out (transcript_check: the text
# exactly, the numbers to a tolerance). Transcript tests carry the label
# "transcript", which scripts/update-goldens runs.
function(zt_add_zenscript_goldens prefix dir)
  if(NOT TARGET zenscript)
    return()
  endif()
  file(GLOB _scripts CONFIGURE_DEPENDS ${dir}/*.zs)
  foreach(script IN LISTS _scripts)
    get_filename_component(_name ${script} NAME_WE)
    add_test(NAME ${prefix}_${_name}
      COMMAND ${CMAKE_COMMAND}
        -DZENSCRIPT=$<TARGET_FILE:zenscript>
        -DCHECKER=$<TARGET_FILE:transcript_check>
        -DSCRIPT=${script}
        -DEXPECTED=${dir}/${_name}.out
        -DDATA=${dir}/data
        -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}/${prefix}/${_name}
        -P ${PROJECT_SOURCE_DIR}/tests/scripting/run_golden.cmake)
    set_tests_properties(${prefix}_${_name} PROPERTIES LABELS transcript)
  endforeach()
endfunction()
