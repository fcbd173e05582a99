# Warnings for the project's own code. CMAKE_COMPILE_WARNING_AS_ERROR (set
# by the presets when CI is set) turns them into errors.
set(EXERCISES_WARNINGS
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wold-style-cast -Wformat=2 -Wnull-dereference)

function(exercises_warnings target)
  target_compile_options(${target} PRIVATE ${EXERCISES_WARNINGS})
endfunction()
