# exercises_program(<name> SOURCES <sources> [TESTS <test sources>])
#
# Builds the program <name> from SOURCES (main.cpp among them) and installs
# it. With TESTS, builds <name>_test from the tests and every source but
# main.cpp, so unit tests can call the program's functions; end-to-end
# tests find the built program as the string macro PROGRAM.
function(exercises_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;TESTS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE flushout)
  exercises_warnings(${name})
  install(TARGETS ${name} RUNTIME DESTINATION bin)

  if(EXERCISES_TESTS AND arg_TESTS)
    set(units ${arg_SOURCES})
    list(REMOVE_ITEM units main.cpp)
    add_executable(${name}_test ${arg_TESTS} ${units})
    target_include_directories(${name}_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name}_test PRIVATE e2e GTest::gtest_main)
    target_compile_definitions(${name}_test
                               PRIVATE PROGRAM="$<TARGET_FILE:${name}>")
    add_dependencies(${name}_test ${name})
    exercises_warnings(${name}_test)
    gtest_discover_tests(${name}_test PROPERTIES TIMEOUT 60)
  endif()
endfunction()
