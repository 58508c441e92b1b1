# Fails when the command line program holds a symbol of the wizard, the result dialogs, the
# start-up's application object, the framework or a backend, or needs Qt at run time.
#   cmake -DFILE=<k4400-init-cli> -P CheckCliSymbols.cmake
execute_process(COMMAND nm -C ${FILE} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR symbols STREQUAL "")
    message(FATAL_ERROR "nm found no symbols in ${FILE}")
endif()
string(REGEX MATCHALL "[^\n]*(wizard|dialogs|framework|app)::[^\n]*" found "${symbols}")
if(found)
    list(JOIN found "\n  " text)
    message(FATAL_ERROR "${FILE} holds the wizard's or the framework's code:\n  ${text}")
endif()
execute_process(COMMAND ldd ${FILE} OUTPUT_VARIABLE libs)
if(libs MATCHES "libQt")
    message(FATAL_ERROR "${FILE} links Qt:\n${libs}")
endif()
string(REGEX MATCHALL "cli::[A-Za-z]+" own "${symbols}")
list(LENGTH own count)
message(STATUS "${FILE}: ${count} symbols of its own, none of the wizard or the framework")
