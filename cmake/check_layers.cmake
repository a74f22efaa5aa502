# Fails when a folder of src/ includes a header of a folder at its own level
# or above it: includes only point down.
#   cmake -DSOURCE_DIR=<repo>/src -P check_layers.cmake
# A folder's rank is its layer; folders of one rank never include each other.
cmake_policy(SET CMP0057 NEW)
set(ranks
  text=0 environment=1 run=2
  titles=3 soil=3 testrecords=3 site=3 exchange=3 picture=3
  conversion=4 batch=5 window_model=6 cli=7 window=7 win32_window=7)

# Folders that must build without a toolkit: neither Qt nor windows.h.
set(toolkit_free window_model)

foreach(entry ${ranks})
  string(REPLACE "=" ";" pair ${entry})
  list(GET pair 0 folder)
  list(GET pair 1 rank)
  set(rank_${folder} ${rank})
endforeach()

set(failures "")
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(file ${files})
  string(REGEX MATCH "^[^/]+" folder ${file})
  if(NOT DEFINED rank_${folder})
    list(APPEND failures "${file}: folder ${folder} has no layer")
    continue()
  endif()
  if(folder IN_LIST toolkit_free)
    file(STRINGS ${SOURCE_DIR}/${file} toolkit REGEX "^#include <(Q[A-Za-z]+|[Ww]indows\\.h)>")
    if(toolkit)
      list(APPEND failures "${file}: ${folder} may include no toolkit (${toolkit})")
    endif()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^#include \"[^/\"]+/")
  foreach(line ${lines})
    string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" target ${line})
    if(target STREQUAL folder)
      continue()
    endif()
    if(NOT DEFINED rank_${target})
      list(APPEND failures "${file}: includes unknown folder ${target}")
    elseif(NOT rank_${target} LESS rank_${folder})
      list(APPEND failures "${file}: ${folder} may not include ${target}")
    endif()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "Includes that do not point down:\n${text}")
endif()
list(LENGTH files count)
message(STATUS "Every include of ${count} files points down")
