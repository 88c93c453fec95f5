# SPDX-License-Identifier: AGPL-3.0-or-later

# celmora_assert_qt_free(TARGET)
# Fails the configuration when TARGET's link graph reaches Qt: a Qt6:: (or Qt::, Qt5::)
# target, or a libQt* file named by path. The walk follows LINK_LIBRARIES and
# INTERFACE_LINK_LIBRARIES transitively, through ALIAS targets, and takes generator
# expressions apart conservatively: $<LINK_ONLY:x>, $<$<CONFIG:Debug>:x>,
# $<TARGET_NAME_IF_EXISTS:x> all count x as reachable, whatever the condition would
# choose. Names that are no target (m, dl, -pthread, a condition's words) are ignored.
# Usable for any target that must stay free of the toolkit (the logic libraries too).
#
# The walk runs once the top-level directory has been read, so that links added to
# TARGET or to anything it reaches after this call are checked too. The message
# names the path, for example: celmora-cli -> celmora_app -> celmora_print -> Qt6::Gui.
function(celmora_assert_qt_free target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "celmora_assert_qt_free: ${target} is not a target")
  endif()
  # EVAL expands ${target} now; a deferred call's own arguments would be expanded later.
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY \"${CMAKE_SOURCE_DIR}\" CALL _celmora_check_qt_free \"${target}\")")
endfunction()

function(_celmora_check_qt_free target)
  set_property(GLOBAL PROPERTY _CELMORA_QT_FREE_SEEN "")
  _celmora_qt_free_visit(${target} ${target})
endfunction()

# The names one entry of a link list can stand for. "::" is kept whole; "$<", ">",
# ":" and "," separate the parts of a generator expression.
function(_celmora_link_entry_names entry out_var)
  string(REPLACE "::" "@CELMORA_NS@" text "${entry}")
  string(REPLACE "$<" ";" text "${text}")
  string(REPLACE ">" ";" text "${text}")
  string(REPLACE ":" ";" text "${text}")
  string(REPLACE "," ";" text "${text}")
  string(REPLACE "@CELMORA_NS@" "::" text "${text}")
  set(names "")
  foreach(name IN LISTS text)
    if(NOT name STREQUAL "")
      list(APPEND names "${name}")
    endif()
  endforeach()
  set(${out_var} "${names}" PARENT_SCOPE)
endfunction()

function(_celmora_qt_free_visit target path)
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    set(target ${aliased})
  endif()
  get_property(seen GLOBAL PROPERTY _CELMORA_QT_FREE_SEEN)
  if(target IN_LIST seen)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY _CELMORA_QT_FREE_SEEN ${target})

  set(entries "")
  get_target_property(imported ${target} IMPORTED)
  if(NOT imported)
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND entries ${direct})
    endif()
  endif()
  get_target_property(usage ${target} INTERFACE_LINK_LIBRARIES)
  if(usage)
    list(APPEND entries ${usage})
  endif()

  string(REGEX MATCH "^[^ ]+" root "${path}")
  foreach(entry IN LISTS entries)
    _celmora_link_entry_names("${entry}" names)
    foreach(name IN LISTS names)
      if(name MATCHES "^Qt[0-9]*::" OR name MATCHES "(^|/)libQt[0-9]*[A-Za-z]*\\.(so|a)")
        # The path on a line of its own: CMake does not re-wrap an indented line.
        message(FATAL_ERROR "${root} must not link Qt, but reaches it:\n  ${path} -> ${name}")
      endif()
      if(TARGET "${name}")
        _celmora_qt_free_visit("${name}" "${path} -> ${name}")
      endif()
    endforeach()
  endforeach()
endfunction()
