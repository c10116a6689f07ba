# Builds the Debian package afresh into PACKAGE_DIR, for the tests that install it.
file(REMOVE_RECURSE ${PACKAGE_DIR})
execute_process(COMMAND ${CPACK} -G DEB -B ${PACKAGE_DIR} --config ${CONFIG} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${result}")
endif()
