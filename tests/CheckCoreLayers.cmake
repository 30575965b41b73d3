# Checks the layering of the Qt-free part of the program: run with
#   cmake -DROOT=<source folder> -P CheckCoreLayers.cmake
# Each folder below is one layer and one library. Lowest first:
#   platform (without platform/qt)          quilmora_platform
#   model                                   quilmora_model
#   files | analysis  (side by side)        quilmora_files, quilmora_analysis
#   evaluation                              quilmora_evaluation
#   presentation                            quilmora_presentation
#   chain                                   quilmora_chain
#   editing                                 quilmora_editing
#   rendering (without rendering/qt)        quilmora_drawing
#   report (without report/qt)              quilmora_report
# and the GUI (the qt/ folders and the dialog folders) on top of them all.
# A source file may include (with "folder/file.h") only files of its own
# folder or of a lower layer: never a layer beside it or above it, never a
# GUI file, never a Qt header. Fails with one line per offending include.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED ROOT)
  message(FATAL_ERROR "CheckCoreLayers.cmake: pass -DROOT=<source folder>")
endif()

# folder:rank; folders of the same rank stand side by side.
set(layers platform:0 model:1 files:2 analysis:2 evaluation:3 presentation:4 chain:5 editing:6 rendering:7 report:8)
set(folders)
foreach(entry IN LISTS layers)
  string(REPLACE ":" ";" pair "${entry}")
  list(GET pair 0 folder)
  list(GET pair 1 rank)
  list(APPEND folders ${folder})
  set(rank_of_${folder} ${rank})
endforeach()
list(JOIN folders " < " order)
string(REPLACE "files < analysis" "files | analysis" order "${order}")

# The layer folder of a file named by its path relative to ROOT (a file right
# inside a layer folder); empty for anything else.
function(layer_of path out)
  set(folder "")
  if(path MATCHES "^([A-Za-z_]+)/[^/]+$")
    if(DEFINED rank_of_${CMAKE_MATCH_1})
      set(folder "${CMAKE_MATCH_1}")
    endif()
  endif()
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

set(files)
foreach(folder IN LISTS folders)
  file(GLOB found RELATIVE "${ROOT}" "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
list(SORT files)
if(NOT files)
  message(FATAL_ERROR "No layer sources under ${ROOT}")
endif()

set(errors)
foreach(path IN LISTS files)
  layer_of("${path}" own)
  file(STRINGS "${ROOT}/${path}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]*)\"")
      set(included "${CMAKE_MATCH_1}")
      layer_of("${included}" theirs)
      if(theirs STREQUAL "")
        list(APPEND errors "${path} (${own}) includes ${included}, which is not a file of a layer named by its folder")
      elseif(NOT theirs STREQUAL own AND NOT rank_of_${theirs} LESS rank_of_${own})
        if(rank_of_${theirs} EQUAL rank_of_${own})
          list(APPEND errors "${path} (${own}) includes ${included} of the layer ${theirs} beside it")
        else()
          list(APPEND errors "${path} (${own}) includes ${included} of the higher layer ${theirs}")
        endif()
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[^>]*)>")
      list(APPEND errors "${path} (${own}) includes the Qt header ${CMAKE_MATCH_1}")
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "Layering broken. The layers, lowest first:\n  ${order}\nThe offending includes:\n  ${text}")
endif()
message(STATUS "Layering holds in ${count} files; the layers, lowest first: ${order}")
