# Runs mltool extract and merge --out on a window description and fails unless the merged
# description is byte for byte the original. TOOL, FORM, WORK; EMULATOR runs TOOL when set.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(run ${EMULATOR} ${TOOL})
execute_process(COMMAND ${run} extract ${FORM} ${WORK}/window.csv RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "extract failed: ${code}")
endif()
execute_process(COMMAND ${run} merge ${FORM} ${WORK}/window.csv --out ${WORK}/window.form
  RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "merge failed: ${code}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FORM} ${WORK}/window.form
  RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the merged description differs from ${FORM}")
endif()
