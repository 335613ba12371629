# Runs formconv on a stream file: to text and back gives the same bytes, check accepts the
# file, and check rejects a cut copy with the reader's message and the offset. --version
# prints the project's version.
#   cmake -DFORMCONV=... -DINPUT=... -DWORK=... -DVERSION=... -P formconv_test.cmake
file(MAKE_DIRECTORY ${WORK})
function(run expect_ok)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expect_ok AND NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}${err}")
  elseif(NOT expect_ok AND rc EQUAL 0)
    message(FATAL_ERROR "accepted a damaged file: ${ARGN}\n${out}")
  endif()
  set(OUT "${out}${err}" PARENT_SCOPE)
endfunction()

run(TRUE ${FORMCONV} totext ${INPUT} ${WORK}/form.txt)
run(TRUE ${FORMCONV} tobinary ${WORK}/form.txt ${WORK}/form.bin)
run(TRUE ${FORMCONV} totext ${WORK}/form.bin ${WORK}/again.txt)
file(READ ${WORK}/form.txt first)
file(READ ${WORK}/again.txt second)
if(NOT first STREQUAL second)
  message(FATAL_ERROR "text -> binary -> text changed the text")
endif()
run(TRUE ${FORMCONV} check ${INPUT})

# The other converters' printing, every non-ASCII character as a #n code.
run(TRUE ${FORMCONV} totext --codes ${INPUT} ${WORK}/codes.txt)
file(READ ${WORK}/codes.txt codes)
string(FIND "${codes}" "Caption = #20027#31383#21475' Main'" coded)
string(FIND "${first}" "Caption = '主窗口 Main'" readable)
if(coded EQUAL -1 OR readable EQUAL -1)
  message(FATAL_ERROR "expected the caption as codes with --codes and as text without:\n"
                      "${codes}\n${first}")
endif()

execute_process(COMMAND head -c 100 ${INPUT} OUTPUT_FILE ${WORK}/cut.bin)
run(FALSE ${FORMCONV} check ${WORK}/cut.bin)
if(NOT OUT MATCHES "窗体流不完整：第 100 字节处还应有 1 字节数据，但流只有 100 字节 \\(at offset 100, 0x64, of 100 bytes\\)")
  message(FATAL_ERROR "unexpected report: ${OUT}")
endif()
run(TRUE ${FORMCONV} --version)
if(NOT OUT STREQUAL "formconv ${VERSION}\n")
  message(FATAL_ERROR "unexpected version line: ${OUT}")
endif()
message(STATUS "formconv OK")
