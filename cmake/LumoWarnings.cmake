# Warnings for the project's own targets. The plain C++ library also checks
# implicit conversions, since its counts, scores and sums are 32-bit on
# purpose; Qt's own headers and qsizetype make that check noisy in the window
# code, which gets the common set only.
function(lumo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(LUMO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

function(lumo_strict_warnings target)
  lumo_warnings(${target})
  target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion)
endfunction()
