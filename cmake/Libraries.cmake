# zk_add_library(<target> <export name> <sources>...): one of the project's libraries, shared
# or static as BUILD_SHARED_LIBS says, and sets ZK_LIBRARY to the target that holds the code.
#
# A static archive gives a program only the objects it references, but the stock classes and
# the designer register themselves with the stream reader from objects that nothing
# references. So in a static build <target> is an interface that links the whole archive
# (<target>_archive, exported as <export name>Archive); programs link <target> either way.
#
# ZK_OBJECTS_FROM names a shared build of the same checkout: a static build then archives that
# build's object files, compiled as position-independent code for its shared libraries, rather
# than compiling every source again. The tests check a static install this way in seconds.
set(ZK_OBJECTS_FROM "" CACHE PATH "A shared build whose object files the static archives take")
function(zk_add_library target export_name)
  if(BUILD_SHARED_LIBS)
    add_library(${target} SHARED ${ARGN})
    set(lib ${target})
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/objects/${target}.txt
      CONTENT "$<JOIN:$<TARGET_OBJECTS:${target}>,\n>\n")
  else()
    set(lib ${target}_archive)
    set(sources ${ARGN})
    if(ZK_OBJECTS_FROM)
      file(STRINGS ${ZK_OBJECTS_FROM}/objects/${target}.txt sources)
      if(NOT sources)
        message(FATAL_ERROR "${ZK_OBJECTS_FROM} lists no objects of ${target}")
      endif()
    endif()
    add_library(${lib} STATIC ${sources})
    # lib<target>.a, the name pkg-config's -l<target> and the documentation give.
    set_target_properties(${lib} PROPERTIES EXPORT_NAME ${export_name}Archive
      OUTPUT_NAME ${target} POSITION_INDEPENDENT_CODE ON)
    add_library(${target} INTERFACE)
    # The installed package names the archive by its exported name: the export leaves target
    # names inside $<LINK_LIBRARY> as they are.
    target_link_libraries(${target} INTERFACE
      "$<BUILD_INTERFACE:$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>>"
      "$<INSTALL_INTERFACE:$<LINK_LIBRARY:WHOLE_ARCHIVE,Zk::${export_name}Archive>>")
  endif()
  add_library(Zk::${export_name} ALIAS ${target})
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${export_name})
  # The public headers are C++20: every program that includes them compiles as C++20 or later.
  target_compile_features(${target} INTERFACE cxx_std_20)
  set(ZK_LIBRARY ${lib} PARENT_SCOPE)
endfunction()

# zk_install_library(<target>): installs the library (and its archive) into the package.
function(zk_install_library target)
  set(targets ${target})
  if(TARGET ${target}_archive)
    list(APPEND targets ${target}_archive)
  endif()
  install(TARGETS ${targets} EXPORT ZkFormDesignerTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
endfunction()
