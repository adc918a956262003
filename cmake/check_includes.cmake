# cmake -DROOT=<source folder> -DGENERATED=<build folder> -P check_includes.cmake
#
# The layering that the compiler cannot see once every include is named from
# the repository's root:
# - the command-line tools (tools/) stand on formats/ and common/, never on
#   an editor's folder;
# - an editor's core (*/core/) and the formats (formats/) link no window
#   toolkit, so they include neither toolkit/ nor a Qt header;
# - a quoted include names its header from the root (or, for a generated
#   header, from the build folder), never by a bare or relative name.
# Each break is one line "path: error: ..."; any break fails the check.
if(NOT ROOT OR NOT GENERATED)
  message(FATAL_ERROR "usage: cmake -DROOT=<source folder> -DGENERATED=<build folder> -P check_includes.cmake")
endif()

# The sources below the root, without build folders and hidden folders.
file(GLOB tops RELATIVE ${ROOT} ${ROOT}/*)
set(sources)
foreach(top IN LISTS tops)
  if(NOT IS_DIRECTORY ${ROOT}/${top} OR top MATCHES "^(build|\\.)")
    continue()
  endif()
  file(GLOB_RECURSE found RELATIVE ${ROOT} ${ROOT}/${top}/*.h ${ROOT}/${top}/*.cpp)
  list(APPEND sources ${found})
endforeach()

set(editor_include "^(terraloom|figureloom|boltloom|sparkloom)/")
set(window_include "^(toolkit/|Q[A-Za-z]|q[a-z_]+\\.h$)")

set(breaks 0)
foreach(source IN LISTS sources)
  file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"].*$" "\\1\\2" named "${line}")
    string(SUBSTRING "${named}" 0 1 bracket)
    string(SUBSTRING "${named}" 1 -1 header)
    set(why "")
    if(source MATCHES "^tools/" AND header MATCHES "${editor_include}")
      set(why "a tool includes an editor's header")
    elseif(source MATCHES "(^|/)core/|^formats/" AND header MATCHES "${window_include}")
      set(why "a window toolkit header in a core or the formats")
    elseif(bracket STREQUAL "\"" AND NOT EXISTS ${ROOT}/${header} AND NOT EXISTS ${GENERATED}/${header})
      set(why "not named from the repository's root")
    endif()
    if(why)
      if(bracket STREQUAL "<")
        set(written "<${header}>")
      else()
        set(written "\"${header}\"")
      endif()
      message("${source}: error: #include ${written}: ${why}")
      math(EXPR breaks "${breaks} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH sources checked)
if(breaks GREATER 0)
  message(FATAL_ERROR "${breaks} include(s) break the layout (${checked} files checked)")
endif()
message("${checked} files checked: every include keeps the layout")
