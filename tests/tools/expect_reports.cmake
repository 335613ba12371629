# expect_reports(<what> <text> <expected>...): fails unless text holds every expected line.
function(expect_reports what text)
  foreach(expected IN LISTS ARGN)
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${what} did not report: ${expected}\n---\n${text}")
    endif()
  endforeach()
endfunction()
