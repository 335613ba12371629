# The guide shows the example's code as it is, and the snippet check notices when it does not:
# a changed line and a region that the code does not mark.
#   cmake -DSOURCE=<checkout> -DWORK=<scratch dir> -P doc_snippets_test.cmake
set(CHECK ${SOURCE}/scripts/doc-snippets.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/expect_reports.cmake)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(check doc expect_ok expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${SOURCE} -DDOC=${doc} -P ${CHECK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expect_ok AND NOT rc EQUAL 0)
    message(FATAL_ERROR "${doc} does not match the code:\n${out}${err}")
  elseif(NOT expect_ok AND rc EQUAL 0)
    message(FATAL_ERROR "the check passed ${doc}, which differs from the code")
  endif()
  expect_reports("the check of ${doc}" "${out}${err}" "${expected}")
endfunction()

check(docs/embedding.md TRUE "snippets match the code")

file(READ ${SOURCE}/docs/embedding.md guide)
string(REPLACE "FDesigner->SaveToBinaryFile(FileName);" "" changed "${guide}")
file(WRITE ${WORK}/changed.md "${changed}")
check(${WORK}/changed.md FALSE "examples/embed/EmbedForm.cpp#save-load")

file(WRITE ${WORK}/loose.md "${guide}\n```cpp\nint uncompiled();\n```\n")
check(${WORK}/loose.md FALSE "1 code block(s) not taken from compiled code")

file(WRITE ${WORK}/unmarked.md "<!-- snippet: examples/embed/main.cpp#no-such-region -->\n```cpp\n```\n")
check(${WORK}/unmarked.md FALSE "[no-such-region]")
