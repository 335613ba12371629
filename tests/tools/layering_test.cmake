# The layering check passes on the checkout and reports each kind of wrong include in a tree
# made of nothing but wrong includes (and the right files, named Fine, it must leave alone).
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${SOURCE} -P ${CHECK}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the checkout breaks its layering:\n${out}${err}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${BAD} -P ${CHECK}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(code EQUAL 0)
  message(FATAL_ERROR "the check passed a tree of wrong includes")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/expect_reports.cmake)
expect_reports("the check" "${err}"
    "host/core/Upward.h: #include \"host/controls/Controls.h\""
    "core/ may not include the higher layer controls/"
    "the stock families stdctrls/ and grids/ never include one another"
    "the inspector never includes the designer"
    "demo/Bridge.cpp: #include <QWidget>"
    "bench/Leak.cpp: #include <QWidget>"
    "bench/baseline/Bridge.cpp: #include \"host/qt/Window_p.h\""
    "examples/qt/Private.cpp: #include \"host/qt/Window_p.h\""
    "demo/Interop.cpp: #include \"host/qt/QtInterop.h\""
    "the Qt bridge is private to host/")
if(err MATCHES "Fine")
  message(FATAL_ERROR "the check rejected allowed includes:\n${err}")
endif()
