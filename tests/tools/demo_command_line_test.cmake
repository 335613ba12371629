# The demo's command line: mistakes are reported with a non-zero exit, and those found in the
# options themselves need no display (the run has none: the xcb platform without DISPLAY).
#   cmake -DDEMO=<zkdemo> -DWORK=<scratch dir> -P demo_command_line_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/expect_reports.cmake)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# args | platform | exit | what the output must hold, one or more
set(cases
  "--bogus|xcb|2|未知选项 --bogus|用法：zkdemo"
  "--screenshot|xcb|2|--screenshot 需要一个文件名|用法：zkdemo"
  "--screenshot --design|xcb|2|--screenshot 需要一个文件名"
  "--help|xcb|0|用法：zkdemo|--new-version"
  "--layout|xcb|2|--layout 需要一个文件名|用法：zkdemo"
  "--new-version --layout ${WORK}/no-such.zkl|offscreen|1|无法载入布局“${WORK}/no-such.zkl”"
  "--screenshot ${WORK}/no/such/folder/shot.png|offscreen|1|无法把图片写入“${WORK}/no/such/folder/shot.png”")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 args)
  list(GET parts 1 platform)
  list(GET parts 2 code)
  list(SUBLIST parts 3 -1 expected)
  separate_arguments(args UNIX_COMMAND "${args}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          QT_QPA_PLATFORM=${platform} ${DEMO} ${args}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc STREQUAL code)
    message(FATAL_ERROR "zkdemo ${args}: exit ${rc}, not ${code}\n${out}${err}")
  endif()
  expect_reports("zkdemo ${args}" "${out}${err}" ${expected})
endforeach()
message(STATUS "the demo's command line reports its mistakes")
