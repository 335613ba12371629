# The forms the inspector shows are described as text forms, converted to the binary component
# stream at build time by formconv and compiled into the package as byte arrays.
function(zk_form_resource target dfm symbol)
  if(ZK_OBJECTS_FROM)
    return() # the archived objects hold the form already
  endif()
  get_filename_component(base ${dfm} NAME_WE)
  set(bin ${CMAKE_CURRENT_BINARY_DIR}/resources/${base}.bin)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/resources/${base}Resource.cpp)
  add_custom_command(
    OUTPUT ${bin}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/resources
    COMMAND formconv tobinary ${dfm} ${bin}
    DEPENDS formconv ${dfm}
    COMMENT "Converting ${base}.dfm to the binary form stream")
  add_custom_command(
    OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DIN=${bin} -DOUT=${cpp} -DSYMBOL=${symbol}
            -P ${CMAKE_SOURCE_DIR}/cmake/FileToSource.cmake
    DEPENDS ${bin} ${CMAKE_SOURCE_DIR}/cmake/FileToSource.cmake)
  target_sources(${target} PRIVATE ${cpp})
endfunction()

zk_form_resource(${ZK_DESIGN_LIBRARY} ${CMAKE_SOURCE_DIR}/inspector/ObjectInspector.dfm ObjectInspFormResource)
