# Runs CheckCoreLayers.cmake on a small tree in WORK with one file per layer,
# every kind of forbidden include next to allowed ones, and checks that
# exactly the forbidden ones are reported.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED WORK)
  message(FATAL_ERROR "CheckCoreLayersSelfTest.cmake: pass -DWORK=<scratch folder>")
endif()

file(REMOVE_RECURSE "${WORK}")
# Allowed: a system header, the own folder, any lower layer; the qt/ folders
# are GUI and not checked.
file(WRITE "${WORK}/platform/Low.h" "#pragma once\n#include <queue>\n")
file(WRITE "${WORK}/platform/qt/QtLow.cpp" "#include <QString>\n#include \"mainwindow/Form.h\"\n")
file(WRITE "${WORK}/rendering/qt/QtCanvas.cpp" "#include <QPainter>\n#include \"mainwindow/Form.h\"\n")
file(WRITE "${WORK}/report/qt/Dialogs.cpp" "#include <QDialog>\n#include \"elements/Palette.h\"\n")
# Forbidden: a higher layer (model -> files, evaluation -> presentation,
# presentation -> editing, chain -> editing, editing -> rendering,
# rendering -> report), a layer beside it (files <-> analysis), a GUI file,
# a file named without its folder and a Qt header.
file(WRITE "${WORK}/model/Data.h" "#pragma once\n#include \"platform/Low.h\"\n#include \"files/Reader.h\"\n")
file(WRITE "${WORK}/model/Data.cpp" "#include \"model/Data.h\"\n")
file(WRITE "${WORK}/files/Reader.h" "#pragma once\n#include \"model/Data.h\"\n#include \"analysis/Steps.h\"\n")
file(WRITE "${WORK}/analysis/Steps.h" "#pragma once\n#include \"model/Data.h\"\n#include \"files/Reader.h\"\n")
file(WRITE "${WORK}/evaluation/Scores.cpp"
  "#include \"analysis/Steps.h\"\n#include \"presentation/Panel.h\"\n#include \"Local.h\"\n")
file(WRITE "${WORK}/presentation/Panel.h"
  "#pragma once\n#include \"evaluation/Scores.h\"\n#include \"editing/Input.h\"\n#include <QString>\n")
file(WRITE "${WORK}/chain/Chain.cpp"
  "#include \"presentation/Panel.h\"\n#include \"files/Reader.h\"\n#include \"editing/Input.h\"\n")
file(WRITE "${WORK}/editing/Input.h"
  "#pragma once\n#include \"chain/Chain.h\"\n#include \"presentation/Panel.h\"\n#include \"rendering/Paint.h\"\n")
file(WRITE "${WORK}/rendering/Paint.cpp"
  "#include \"editing/Input.h\"\n#include \"report/Page.h\"\n#include \"rendering/qt/QtCanvas.h\"\n")
file(WRITE "${WORK}/report/Page.cpp" "#include \"rendering/Paint.h\"\n#include \"mainwindow/Form.h\"\n")

execute_process(COMMAND "${CMAKE_COMMAND}" -DROOT=${WORK} -P "${CMAKE_CURRENT_LIST_DIR}/CheckCoreLayers.cmake"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

set(expected
  "model/Data.h \\(model\\) includes files/Reader.h of the higher layer files"
  "files/Reader.h \\(files\\) includes analysis/Steps.h of the layer analysis beside it"
  "analysis/Steps.h \\(analysis\\) includes files/Reader.h of the layer files beside it"
  "evaluation/Scores.cpp \\(evaluation\\) includes presentation/Panel.h of the higher layer presentation"
  "evaluation/Scores.cpp \\(evaluation\\) includes Local.h, which is not a file of a layer"
  "presentation/Panel.h \\(presentation\\) includes editing/Input.h of the higher layer editing"
  "presentation/Panel.h \\(presentation\\) includes the Qt header QString"
  "chain/Chain.cpp \\(chain\\) includes editing/Input.h of the higher layer editing"
  "editing/Input.h \\(editing\\) includes rendering/Paint.h of the higher layer rendering"
  "rendering/Paint.cpp \\(rendering\\) includes report/Page.h of the higher layer report"
  "rendering/Paint.cpp \\(rendering\\) includes rendering/qt/QtCanvas.h, which is not a file of a layer"
  "report/Page.cpp \\(report\\) includes mainwindow/Form.h, which is not a file of a layer"
  "platform < model < files \\| analysis < evaluation < presentation < chain < editing < rendering < report")
set(failures)
if(result EQUAL 0)
  list(APPEND failures "the check passed")
endif()
foreach(pattern IN LISTS expected)
  if(NOT output MATCHES "${pattern}")
    list(APPEND failures "not reported: ${pattern}")
  endif()
endforeach()
# The offending lines above and nothing else: not the allowed includes, not the qt/ folders.
string(REGEX MATCHALL "\\) includes " reported "${output}")
list(LENGTH reported count)
list(LENGTH expected listed)
math(EXPR offending "${listed} - 1")
if(NOT count EQUAL offending)
  list(APPEND failures "${count} offending includes reported instead of ${offending}")
endif()
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "The layer check misjudged the fixture:\n  ${text}\nIts output:\n${output}")
endif()
message(STATUS "The layer check reports exactly the forbidden includes of the fixture")
