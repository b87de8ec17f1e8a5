# Writes the commit the tree is built from into a header, rewriting it only when it changed,
# so that what the capture tool renders can say what made it: "-dirty" when the tree had
# changes git does not hold, "unknown" outside a git checkout. Run by the build: -DSOURCE, -DOUT.
execute_process(COMMAND git -C ${SOURCE} describe --always --dirty --abbrev=40
  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
if(failed OR commit STREQUAL "")
  set(commit "unknown")
endif()
set(text "// Made by the build: the commit of the tree it built.\n#pragma once\n\nconstexpr const char* kBuildCommit = \"${commit}\";\n")
set(old "")
if(EXISTS ${OUT})
  file(READ ${OUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUT} "${text}")
endif()
