# The pseudo-language workflow with the built programs, as a translator runs it: mltool pseudo on a
# window description, then textfit on the original (exit code 0: every text fits), on the result
# (1: some text is cut) and on a file that is not there (2). MLTOOL, TEXTFIT, FORM, WORK; EMULATOR
# runs the programs when set.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${EMULATOR} ${MLTOOL} pseudo ${FORM} --out ${WORK}/pseudo.form
  RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "mltool pseudo failed: ${code}")
endif()
foreach(case IN ITEMS "${FORM}=0" "${WORK}/pseudo.form=1" "${WORK}/missing.form=2")
  string(REPLACE "=" ";" case "${case}")
  list(GET case 0 form)
  list(GET case 1 expected)
  execute_process(COMMAND ${EMULATOR} ${TEXTFIT} ${form}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected)
    message(FATAL_ERROR "textfit ${form}: exit code ${code}, not ${expected}\n${out}${err}")
  endif()
endforeach()
