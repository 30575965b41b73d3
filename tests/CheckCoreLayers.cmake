# Checks the layering of the computing core: run with
#   cmake -DROOT=<source folder> -P CheckCoreLayers.cmake
# Every source file of a core folder may include (with "folder/file.h") only
# files of its own layer or of a lower one, never a file outside the core or
# a Qt header. The layers, lowest first, as the core's libraries link them:
#   platform (without platform/qt) < model < analysis < evaluation < chain,
# where the chain is analysis/RecalculationChain.* (the library quilmora_chain).
# Fails with one line per offending include.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED ROOT)
  message(FATAL_ERROR "CheckCoreLayers.cmake: pass -DROOT=<source folder>")
endif()

set(layers platform model analysis evaluation chain)
set(chain_files analysis/RecalculationChain.h analysis/RecalculationChain.cpp)

# The layer index of a file named by its path relative to ROOT; -1 outside the core.
function(layer_of path out)
  if(path IN_LIST chain_files)
    list(FIND layers chain index)
  elseif(path MATCHES "^([A-Za-z_]+)/[^/]+$")
    list(FIND layers "${CMAKE_MATCH_1}" index)
    if(CMAKE_MATCH_1 STREQUAL "chain")
      set(index -1)
    endif()
  else()
    set(index -1)
  endif()
  set(${out} ${index} PARENT_SCOPE)
endfunction()

set(files)
foreach(folder platform model analysis evaluation)
  file(GLOB found RELATIVE "${ROOT}" "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
list(SORT files)
if(NOT files)
  message(FATAL_ERROR "No core sources under ${ROOT}")
endif()

set(errors)
foreach(path IN LISTS files)
  layer_of("${path}" own)
  list(GET layers ${own} own_name)
  file(STRINGS "${ROOT}/${path}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]*)\"")
      set(included "${CMAKE_MATCH_1}")
      layer_of("${included}" theirs)
      if(theirs LESS 0)
        list(APPEND errors "${path} (${own_name}) includes ${included}, which is not a core file named by its folder")
      elseif(theirs GREATER own)
        list(GET layers ${theirs} their_name)
        list(APPEND errors "${path} (${own_name}) includes ${included} of the higher layer ${their_name}")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[^>]*)>")
      list(APPEND errors "${path} (${own_name}) includes the Qt header ${CMAKE_MATCH_1}")
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "Core layering broken:\n  ${text}")
endif()
message(STATUS "Core layering holds in ${count} files")
