include(${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake)

# ksy_pure_library(NAME <target> FOLDERS <folders>...)
#
# The folders are the core layers, listed from the bottom up: each may include
# only itself and those before it (checked at configure time, see
# CheckLayers.cmake). Builds every source of the given folders (sub-folders included, except the
# ui/ ones, which hold Qt dialogs) into one static library of pure logic.
# That library must never see Qt: the configure step fails if one of its
# sources includes a Qt header, and it gets no Qt include path, so a Qt
# include could not compile either.
function(ksy_pure_library)
  cmake_parse_arguments(ARG "" "NAME" "FOLDERS" ${ARGN})
  set(sources)
  foreach(folder IN LISTS ARG_FOLDERS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/ui/")
  foreach(src IN LISTS sources)
    file(STRINGS ${src} qt_includes
         REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
    if(qt_includes)
      message(FATAL_ERROR "${src} is pure logic and must not include Qt: ${qt_includes}")
    endif()
  endforeach()
  ksy_check_layers(${CMAKE_CURRENT_SOURCE_DIR} "${ARG_FOLDERS}")
  add_library(${ARG_NAME} STATIC ${sources})
  target_link_libraries(${ARG_NAME} PUBLIC ksy_options)
endfunction()

# ksy_qt_library(NAME <target> GLOB <patterns>... [DEPS <targets>...])
# A static library of Qt code built from the sources matching the patterns.
function(ksy_qt_library)
  cmake_parse_arguments(ARG "" "NAME" "GLOB;DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_GLOB})
  add_library(${ARG_NAME} STATIC ${sources})
  target_link_libraries(${ARG_NAME} PUBLIC ksy_options ${ARG_DEPS})
endfunction()
