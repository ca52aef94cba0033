# Keeps the core folders in one-way layers.
#
# KSY_LAYERS lists the core folders from the bottom up; a file of a core folder
# may include its own folder and the folders listed before it, never one listed
# after it (that would close a loop), and never a Qt-side folder (a ui/
# sub-folder, platform/, app/, tools/). Every offending include is named, with
# its file and line, and the configure step stops.
#
# Used at configure time by ksy_pure_library(), and as a script by the test
# that proves the check catches a loop:
#   cmake -DKSY_LAYERS="a;b" -DKSY_ROOT=<tree> -P cmake/CheckLayers.cmake
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

function(ksy_check_layers root layers)
  set(qt_side platform app tools)
  set(faults "")
  set(index 0)
  foreach(folder IN LISTS layers)
    file(GLOB_RECURSE sources ${root}/${folder}/*.cpp ${root}/${folder}/*.h)
    list(FILTER sources EXCLUDE REGEX "/ui/")
    foreach(src IN LISTS sources)
      file(STRINGS ${src} lines)
      set(line_number 0)
      foreach(line IN LISTS lines)
        math(EXPR line_number "${line_number} + 1")
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/([^\"]*)\"")
          continue()
        endif()
        set(target_folder ${CMAKE_MATCH_1})
        set(rest ${CMAKE_MATCH_2})
        file(RELATIVE_PATH where ${root} ${src})
        if(target_folder IN_LIST qt_side OR rest MATCHES "^ui/")
          string(APPEND faults "\n  ${where}:${line_number}: ${folder}/ is pure logic and "
                 "includes the Qt side ${target_folder}/${rest}")
          continue()
        endif()
        list(FIND layers ${target_folder} target_index)
        if(target_index GREATER index)
          string(APPEND faults "\n  ${where}:${line_number}: ${folder}/ includes "
                 "${target_folder}/${rest}, a layer above it")
        endif()
      endforeach()
    endforeach()
    math(EXPR index "${index} + 1")
  endforeach()
  if(faults)
    string(REPLACE ";" " < " order "${layers}")
    message(FATAL_ERROR "The core folders must include only their own layer and those "
            "below it (${order}):${faults}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND KSY_ROOT)
  ksy_check_layers(${KSY_ROOT} "${KSY_LAYERS}")
endif()
