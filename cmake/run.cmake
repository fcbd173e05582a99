# Runs every program in BIN_DIR, each under a heading, and fails if one
# of them fails. collabel is run on a few sample inputs.
#   cmake -D BIN_DIR=<dir> [-D EXE_SUFFIX=<suffix>] -P run.cmake

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
  say("")
endforeach()
