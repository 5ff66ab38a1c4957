# SPDX-License-Identifier: MIT
# Builds one layer probe and checks the outcome its kind asks for.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(KIND STREQUAL "allowed")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "an allowed include failed to build:\n${output}")
  endif()
elseif(status EQUAL 0)
  message(FATAL_ERROR "a forbidden include built")
elseif(NOT output MATCHES "No such file|file not found|Cannot open include file")
  message(FATAL_ERROR "the probe failed, but not for want of the header:\n${output}")
endif()
