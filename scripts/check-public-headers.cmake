# Fails when an installed public header reaches what is not installed: the Qt bridge
# (host/qt/), a private _p.h header, Qt itself, or any quoted include that does not resolve
# to another installed header. The one exception is host/qt/QtInterop.h, the meeting point
# with a host's own Qt widgets: handing Qt types across is its job, so it is installed and
# includes Qt; no other public header includes it, so a host that does not use it needs no Qt.
#   cmake -DINCLUDE=<prefix>/include/zk -P scripts/check-public-headers.cmake
if(NOT INCLUDE OR NOT IS_DIRECTORY "${INCLUDE}")
  message(FATAL_ERROR "usage: cmake -DINCLUDE=<installed include dir> -P check-public-headers.cmake")
endif()

set(problems "")
file(GLOB_RECURSE headers RELATIVE ${INCLUDE} LIST_DIRECTORIES false ${INCLUDE}/*)
if(NOT headers)
  message(FATAL_ERROR "no headers under ${INCLUDE}")
endif()
set(interop "host/qt/QtInterop.h")
foreach(header IN LISTS headers)
  set(qt_allowed FALSE)
  if(header STREQUAL interop)
    set(qt_allowed TRUE)
  elseif(header MATCHES "(^|/)qt/" OR header MATCHES "_p\\.h$")
    string(APPEND problems "${header}: a private header is installed\n")
  endif()
  file(STRINGS ${INCLUDE}/${header} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  get_filename_component(here ${header} DIRECTORY)
  foreach(line IN LISTS lines)
    if(line MATCHES "<(Q[A-Za-z0-9_]*|Qt[A-Za-z]*/[^>]*)>")
      if(NOT qt_allowed)
        string(APPEND problems "${header}: ${line}: includes Qt\n")
      endif()
    elseif(line MATCHES "\"([^\"]+)\"")
      set(target "${CMAKE_MATCH_1}")
      if(target MATCHES "(^|/)host/qt/" OR target MATCHES "_p\\.h$")
        string(APPEND problems "${header}: ${line}: includes a private header\n")
      elseif(NOT EXISTS ${INCLUDE}/${target} AND NOT EXISTS ${INCLUDE}/${here}/${target})
        string(APPEND problems "${header}: ${line}: includes a header that is not installed\n")
      endif()
    endif()
  endforeach()
endforeach()

if(problems)
  # Printed as they are, one line each, so that the lines can be searched for.
  message(NOTICE "${problems}")
  message(FATAL_ERROR "Public headers reach beyond the installed ones (above)")
endif()
list(LENGTH headers count)
message(STATUS "${count} public headers, none reaches a private one")
