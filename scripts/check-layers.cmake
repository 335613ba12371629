# Fails when a source file includes a header of a layer it must not depend on.
#   cmake -DROOT=<checkout> -P scripts/check-layers.cmake
#
# host/ is cut into layers; a folder may include its own headers and those of lower layers:
#   core < streaming < graphics < controls = menus < the stock families
# Controls and menus are one layer (a control carries its popup menu, a form its main menu).
# The stock families (stdctrls, extctrls, buttons, containers, comctrls, grids, dialogs) share
# the top rank and never include one another. host/qt is the bridge under every layer: it may
# include any of them, and any of them may include its private headers. Outside host/, only
# tests reach into the bridge or include Qt, and the inspector never includes the designer.
# The exceptions: bench/baseline/, the raw-Qt floor that benchmarks measure against, includes
# Qt (never the bridge); the rest of bench/ stays on the framework's side. examples/ are host
# applications, which are Qt applications too: they may include Qt and, of the bridge, only
# its one public header host/qt/QtInterop.h, through which a host's widgets and the
# framework's windows meet.
if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<checkout> -P check-layers.cmake")
endif()

set(rank_core 0)
set(rank_streaming 1)
set(rank_graphics 2)
set(rank_controls 3)
set(rank_menus 3)
foreach(family stdctrls extctrls buttons containers comctrls grids dialogs)
  set(rank_${family} 4)
endforeach()

set(violations "")
macro(violation file line what)
  string(APPEND violations "${file}: ${line}\n    ${what}\n")
endmacro()

file(GLOB_RECURSE sources RELATIVE ${ROOT} LIST_DIRECTORIES false
     ${ROOT}/host/*.h ${ROOT}/host/*.cpp ${ROOT}/design/*.h ${ROOT}/design/*.cpp
     ${ROOT}/inspector/*.h ${ROOT}/inspector/*.cpp ${ROOT}/demo/*.h ${ROOT}/demo/*.cpp
     ${ROOT}/bench/*.cpp ${ROOT}/fuzz/*.cpp ${ROOT}/tools/*.cpp
     ${ROOT}/examples/*.h ${ROOT}/examples/*.cpp)

foreach(file IN LISTS sources)
  file(STRINGS ${ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  string(REGEX MATCH "^host/([^/]+)/" in_host "${file}")
  set(layer "${CMAKE_MATCH_1}")
  if(file MATCHES "^host/[^/]+$")
    violation(${file} "" "host/ holds only layer folders; move this file into one")
  elseif(in_host AND NOT layer STREQUAL "qt" AND NOT DEFINED rank_${layer})
    violation(${file} "" "host/${layer}/ is not in the layer table of scripts/check-layers.cmake")
  endif()
  foreach(line IN LISTS lines)
    set(host_program FALSE)
    if(file MATCHES "^examples/")
      set(host_program TRUE)
    endif()
    if(line MATCHES "<Q[A-Za-z]*>" AND NOT in_host AND NOT file MATCHES "^bench/baseline/"
       AND NOT host_program)
      violation(${file} "${line}" "only host/ includes Qt")
    endif()
    if(NOT line MATCHES "\"(host|design|inspector)/([^/\"]+)/?")
      continue()
    endif()
    set(top "${CMAKE_MATCH_1}")
    set(target "${CMAKE_MATCH_2}")
    if(file MATCHES "^inspector/" AND top STREQUAL "design")
      violation(${file} "${line}" "the inspector never includes the designer")
    elseif(top STREQUAL "host" AND target STREQUAL "qt")
      if(NOT in_host AND NOT (host_program AND line MATCHES "\"host/qt/QtInterop\\.h\""))
        violation(${file} "${line}" "the Qt bridge is private to host/")
      endif()
    elseif(top STREQUAL "host" AND in_host AND NOT layer STREQUAL "qt")
      if(NOT DEFINED rank_${target})
        violation(${file} "${line}" "host/${target}/ is not a layer")
      elseif(NOT target STREQUAL layer)
        if(rank_${target} GREATER rank_${layer})
          violation(${file} "${line}" "${layer}/ may not include the higher layer ${target}/")
        elseif(rank_${target} EQUAL rank_${layer} AND NOT (rank_${layer} EQUAL 3))
          violation(${file} "${line}" "the stock families ${layer}/ and ${target}/ never include one another")
        endif()
      endif()
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Layering violations:\n${violations}")
endif()
message(STATUS "Layering holds")
