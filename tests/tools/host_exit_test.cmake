# Runs the host_exit program once for each way a host may leave main, and fails on a non-zero
# exit or anything a sanitizer printed.
#   cmake -DPROGRAM=<host_exit> -DWORK=<scratch dir> -P host_exit_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(cases
  "plain"
  "show"
  "show,session"
  "show,session,terminate"
  "session,finalize"
  "show,session,terminate,finalize"
  "show,loop"
  "show,session,loop,terminate"
  "show,session,second")
set(failures "")
foreach(words IN LISTS cases)
  # one case per item; its words are separated by commas
  string(REPLACE "," " " case "${words}")
  separate_arguments(args UNIX_COMMAND "${case}")
  execute_process(COMMAND ${PROGRAM} ${WORK}/form.zkf ${args}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR err MATCHES "Sanitizer|runtime error|LeakSanitizer")
    string(APPEND failures "[${case}] exit ${rc}\n${out}${err}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "a host's exit was not clean:\n${failures}")
endif()
list(LENGTH cases count)
message(STATUS "${count} ways of leaving main, each clean")
