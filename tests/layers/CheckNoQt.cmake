# Fails when the given binary needs a Qt library at run time.
execute_process(COMMAND ldd ${FILE} OUTPUT_VARIABLE libs RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ldd failed on ${FILE}")
endif()
if(libs MATCHES "libQt")
    message(FATAL_ERROR "${FILE} links Qt:\n${libs}")
endif()
message(STATUS "no Qt library among the dependencies of ${FILE}")
