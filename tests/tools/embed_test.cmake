# Installs the build into a fresh prefix, checks the installed headers and the package's
# version file, builds examples/minimal with pkg-config alone, then configures, builds and
# runs examples/embed against that prefix alone.
#   cmake -DBUILD=<build dir> -DSOURCE=<checkout> -DWORK=<scratch dir> -DGENERATOR=...
#         -DCXX=... [-DLAUNCHER=ccache] [-DEXTRA_FLAGS=...] [-DSTATIC=ON] -P embed_test.cmake
# With STATIC, the checkout is configured for static archives (BUILD_SHARED_LIBS=OFF) made
# from BUILD's object files (ZK_OBJECTS_FROM), which compiles nothing again, and that build
# is installed.
set(CHECK ${SOURCE}/scripts/check-public-headers.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/expect_reports.cmake)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}${err}")
  endif()
  set(OUT "${out}${err}" PARENT_SCOPE)
endfunction()

# The header check itself catches each kind of reach into the private side.
execute_process(COMMAND ${CMAKE_COMMAND} -DINCLUDE=${SOURCE}/tests/tools/public-headers -P ${CHECK}
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "the header check passed headers that include private ones")
endif()
expect_reports("the header check" "${err}"
    "host/core/Bridged.h: #include \"host/qt/Window_p.h\": includes a private header"
    "design/Designer.h: #include <QtCore/QString>: includes Qt"
    "design/Designer.h: #include \"design/DrawingResources.h\": includes a header that is not installed"
    "host/qt/Window_p.h: a private header is installed")
if(err MATCHES "Fine.h:")
  message(FATAL_ERROR "the header check rejected a right header:\n${err}")
endif()

set(prefix ${WORK}/prefix)
if(STATIC)
  set(libs ${WORK}/libs)
  set(largs -S ${SOURCE} -B ${libs} -G ${GENERATOR} -DBUILD_SHARED_LIBS=OFF
      -DZK_OBJECTS_FROM=${BUILD} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if(LAUNCHER)
    list(APPEND largs -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
  endif()
  run("configuring the static libraries" ${CMAKE_COMMAND} ${largs})
  run("building the static libraries" ${CMAKE_COMMAND} --build ${libs} --target zkdesign_archive)
  run("cmake --install" ${CMAKE_COMMAND} --install ${libs} --prefix ${prefix} --component Development)
  file(GLOB archives ${prefix}/lib*/libzk*.a)
  file(GLOB shared ${prefix}/lib*/libzk*.so*)
  list(LENGTH archives found)
  if(NOT found EQUAL 2 OR shared)
    message(FATAL_ERROR "a static install holds: ${archives} ${shared}")
  endif()
else()
  run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
endif()
file(GLOB_RECURSE configs ${prefix}/*/ZkFormDesignerConfigVersion.cmake)
list(LENGTH configs found)
if(NOT found EQUAL 1)
  message(FATAL_ERROR "expected one installed package version file, found: ${configs}")
endif()
run("the installed headers" ${CMAKE_COMMAND} -DINCLUDE=${prefix}/include/zk -P ${CHECK})
foreach(header host/core/Object.h host/controls/Forms.h host/core/Version.h design/DesignCommon.h
               design/Embedding.h)
  if(NOT EXISTS ${prefix}/include/zk/${header})
    message(FATAL_ERROR "not installed: include/zk/${header}")
  endif()
endforeach()

# find_package(ZkFormDesigner X) accepts X up to this version within the same minor version.
foreach(request_ok "0.1;TRUE" "0.1.0;TRUE" "0.2;FALSE" "1.0;FALSE" "0.0.9;FALSE")
  list(GET request_ok 0 PACKAGE_FIND_VERSION)
  list(GET request_ok 1 expected)
  string(REPLACE "." ";" parts "${PACKAGE_FIND_VERSION}.0.0")
  list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
  list(GET parts 1 PACKAGE_FIND_VERSION_MINOR)
  list(GET parts 2 PACKAGE_FIND_VERSION_PATCH)
  unset(PACKAGE_VERSION_COMPATIBLE)
  set(CMAKE_SIZEOF_VOID_P 8)
  include(${configs})
  if(PACKAGE_VERSION_COMPATIBLE)
    set(answer TRUE)
  else()
    set(answer FALSE)
  endif()
  if(NOT answer STREQUAL expected)
    message(FATAL_ERROR "version ${PACKAGE_VERSION} answered compatible=${PACKAGE_VERSION_COMPATIBLE} "
                        "to a request for ${PACKAGE_FIND_VERSION}")
  endif()
endforeach()

# pkg-config alone builds the minimal host, which designs, saves and loads.
file(GLOB_RECURSE pcs ${prefix}/*/zkformdesigner.pc)
if(NOT pcs)
  message(FATAL_ERROR "no pkg-config file installed")
endif()
get_filename_component(pcdir ${pcs} DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pcdir})
run("pkg-config" pkg-config --cflags --libs zkformdesigner)
string(STRIP "${OUT}" pcflags)
separate_arguments(pcflags UNIX_COMMAND "${pcflags}")
separate_arguments(extra UNIX_COMMAND "${EXTRA_FLAGS}")
run("building examples/minimal with pkg-config" ${CXX} -Wall -Wextra -Werror ${extra}
    ${SOURCE}/examples/minimal/Minimal.cpp ${pcflags} -Wl,-rpath,${pcdir}/.. -o ${WORK}/minimal)
execute_process(COMMAND ${WORK}/minimal --check WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err MATCHES "Sanitizer|runtime error")
  message(FATAL_ERROR "the minimal host failed (${rc}):\n${out}${err}")
endif()

# A fresh configure that knows only the prefix: nothing of the checkout or its build.
set(example ${WORK}/build)
set(args -S ${SOURCE}/examples/embed -B ${example} -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror ${EXTRA_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}")
if(LAUNCHER)
  list(APPEND args -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
run("configuring examples/embed" ${CMAKE_COMMAND} ${args})
# Finding the package says nothing beyond what configuring any C++ project says.
string(REGEX REPLACE "\n$" "" lines "${OUT}")
string(REPLACE "\n" ";" lines "${lines}")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^-- (The CXX compiler|Detecting CXX|Check for working CXX|Configuring done|Generating done|Build files)")
    message(FATAL_ERROR "configuring the example printed: ${line}\n---\n${OUT}")
  endif()
endforeach()
run("building examples/embed" ${CMAKE_COMMAND} --build ${example})
file(STRINGS ${example}/CMakeCache.txt dirs REGEX "^ZkFormDesigner_DIR:")
if(NOT dirs MATCHES "${prefix}/")
  message(FATAL_ERROR "the example found the package elsewhere: ${dirs}")
endif()

run("the example's scripted session" ${example}/embed --scripted ${WORK}/form.zkf)
message(STATUS "${OUT}")
if(NOT OUT MATCHES "scripted session OK")
  message(FATAL_ERROR "the example did not finish its session:\n${OUT}")
endif()
