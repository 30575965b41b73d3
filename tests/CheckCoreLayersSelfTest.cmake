# Runs CheckCoreLayers.cmake on a small tree in WORK with every kind of
# forbidden include, each next to allowed ones, and checks that exactly the
# forbidden ones are reported.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED WORK)
  message(FATAL_ERROR "CheckCoreLayersSelfTest.cmake: pass -DWORK=<scratch folder>")
endif()

file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/platform/Low.h" "#pragma once\n#include <queue>\n")
file(WRITE "${WORK}/platform/qt/QtLow.cpp" "#include <QString>\n#include \"mainwindow/Form.h\"\n")
file(WRITE "${WORK}/model/Up.cpp" "#include \"model/Up.h\"\n#include \"platform/Low.h\"\n#include \"analysis/Mid.h\"\n")
file(WRITE "${WORK}/analysis/Mid.h" "#pragma once\n#include \"model/Up.h\"\n#include \"evaluation/High.h\"\n")
file(WRITE "${WORK}/evaluation/High.h" "#pragma once\n#include \"analysis/Mid.h\"\n#include \"analysis/RecalculationChain.h\"\n")
file(WRITE "${WORK}/evaluation/Gui.cpp" "#include <QString>\n#include \"rendering/Canvas.h\"\n#include \"Local.h\"\n")
file(WRITE "${WORK}/analysis/RecalculationChain.cpp"
  "#include \"analysis/RecalculationChain.h\"\n#include \"evaluation/High.h\"\n#include \"model/Up.h\"\n")

execute_process(COMMAND "${CMAKE_COMMAND}" -DROOT=${WORK} -P "${CMAKE_CURRENT_LIST_DIR}/CheckCoreLayers.cmake"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

set(expected
  "model/Up.cpp \\(model\\) includes analysis/Mid.h of the higher layer analysis"
  "analysis/Mid.h \\(analysis\\) includes evaluation/High.h of the higher layer evaluation"
  "evaluation/High.h \\(evaluation\\) includes analysis/RecalculationChain.h of the higher layer chain"
  "evaluation/Gui.cpp \\(evaluation\\) includes the Qt header QString"
  "evaluation/Gui.cpp \\(evaluation\\) includes rendering/Canvas.h, which is not a core file"
  "evaluation/Gui.cpp \\(evaluation\\) includes Local.h, which is not a core file")
set(failures)
if(result EQUAL 0)
  list(APPEND failures "the check passed")
endif()
foreach(pattern IN LISTS expected)
  if(NOT output MATCHES "${pattern}")
    list(APPEND failures "not reported: ${pattern}")
  endif()
endforeach()
# Six offending lines and nothing else: not the allowed includes, not platform/qt.
string(REGEX MATCHALL "\\) includes " reported "${output}")
list(LENGTH reported count)
if(NOT count EQUAL 6)
  list(APPEND failures "${count} offending includes reported instead of 6")
endif()
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "The layer check misjudged the fixture:\n  ${text}\nIts output:\n${output}")
endif()
message(STATUS "The layer check reports exactly the forbidden includes of the fixture")
