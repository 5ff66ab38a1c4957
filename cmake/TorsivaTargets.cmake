# SPDX-License-Identifier: MIT
# Compiler settings that every target of ours shares, applied per target so
# that nothing leaks into what we merely link against.
function(torsiva_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
endfunction()
