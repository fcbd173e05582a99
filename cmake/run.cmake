# Runs every program in BIN_DIR, each under a heading, and fails if one of
# them fails. collabel is run on a few sample inputs, written to WORK_DIR.
#   cmake -D BIN_DIR=<dir> -D WORK_DIR=<dir> [-D EXE_SUFFIX=<suffix>]
#         -P run.cmake

function(say text)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${text}")
endfunction()

function(run_program name)
  execute_process(COMMAND ${BIN_DIR}/${name}${EXE_SUFFIX} ${ARGN}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} failed: ${status}")
  endif()
endfunction()

foreach(program IN ITEMS sortdemo gridcut)
  say("== ${program} ==")
  run_program(${program})
endforeach()

# collabel writes its label with no line end, so each one is shown after
# its input on a line of its own.
say("== collabel ==")
foreach(input IN ITEMS 1 26 27 52 703 2147483647)
  file(WRITE ${WORK_DIR}/collabel-input.txt "${input}\n")
  execute_process(COMMAND ${BIN_DIR}/collabel${EXE_SUFFIX}
                  INPUT_FILE ${WORK_DIR}/collabel-input.txt
                  OUTPUT_VARIABLE label
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "collabel failed on ${input}: ${status}")
  endif()
  say("${input} -> ${label}")
endforeach()

# digiteq's count is not followed by a line end either.
say("== digiteq ==")
run_program(digiteq)
say("")
