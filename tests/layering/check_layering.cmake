# Fails when a source file includes a folder above its own in the layering,
# when a file outside shell/ includes a Qt header, or when the command layer
# reaches past the Calculator interface to the dialog.
#   cmake -DROOT=<tree> -P check_layering.cmake
# Each folder lists the folders it may include; a folder not listed here is
# not checked for layers.
cmake_minimum_required(VERSION 3.25)

set(_foundation platform matrixlib archive matrixtext)

set(_may_platform platform)
set(_may_matrixlib platform matrixlib)
set(_may_archive platform matrixlib archive)
set(_may_matrixtext ${_foundation})
set(_may_interchange ${_foundation} interchange)
set(_may_exact ${_foundation} exact)
set(_may_pictures ${_foundation} pictures)
set(_may_evaluator ${_foundation} evaluator)
set(_may_calculator ${_foundation} interchange exact calculator)
# The operation folders under operations/ never reach the tables of
# commands/, which name them.
set(_may_operations ${_foundation} interchange exact calculator operations)
set(_may_commands ${_foundation} interchange exact calculator operations commands)
set(_may_scripting ${_foundation} interchange exact pictures calculator operations commands scripting)
set(_may_shell ${_foundation} interchange exact pictures calculator operations commands shell)
set(_may_fuzz ${_foundation} interchange exact pictures evaluator calculator operations commands scripting fuzz)

set(_faults 0)
file(GLOB_RECURSE _files RELATIVE ${ROOT} ${ROOT}/*.h ${ROOT}/*.cpp)
foreach(file IN LISTS _files)
  if(file MATCHES "^(build|\\.git)/")
    continue()
  endif()
  string(REGEX MATCH "^[^/]+" _folder ${file})
  file(STRINGS ${ROOT}/${file} _includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS _includes)
    if(line MATCHES "<Qt?[A-Z][A-Za-z]*>" AND NOT file MATCHES "^(shell|tests/shell|tests/layering)/")
      message("${file}: Qt outside shell/: ${line}")
      math(EXPR _faults "${_faults} + 1")
    endif()
    if(_folder MATCHES "^(operations|commands)$" AND line MATCHES "\"calculator/calculator_dlg\\.h\"")
      message("${file}: the command layer sees the calculator through calculator/calculator.h only: ${line}")
      math(EXPR _faults "${_faults} + 1")
    endif()
    if(NOT DEFINED _may_${_folder} OR NOT line MATCHES "\"([a-z]+)/")
      continue()
    endif()
    set(_included ${CMAKE_MATCH_1})
    if(NOT _included IN_LIST _may_${_folder})
      message("${file}: ${_folder}/ may not include ${_included}/: ${line}")
      math(EXPR _faults "${_faults} + 1")
    endif()
  endforeach()
endforeach()

if(_faults GREATER 0)
  message(FATAL_ERROR "${_faults} includes cross a layer")
endif()
message("no include crosses a layer")
