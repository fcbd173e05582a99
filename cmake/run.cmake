# Runs every program in BIN_DIR, each under a heading, and fails if one of
# them fails. collabel is run on a few sample inputs, written to WORK_DIR.
#   cmake -D BIN_DIR=<dir> -D WORK_DIR=<dir> [-D EXE_SUFFIX=<suffix>]
#         -P run.cmake

function(say text)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${text}")
endfunction()

# run_program(<name> [<execute_process options>...]): the program writes
# straight to the terminal.
function(run_program name)
  execute_process(COMMAND ${BIN_DIR}/${name}${EXE_SUFFIX}
                  RESULT_VARIABLE status ${ARGN})
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
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${input} -> ")
  run_program(collabel INPUT_FILE ${WORK_DIR}/collabel-input.txt)
  say("")
endforeach()

# digiteq's count is not followed by a line end either.
say("== digiteq ==")
run_program(digiteq)
say("")
