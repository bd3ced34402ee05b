# The Debian packages that tools/install-deps.sh could not install (a mirror's
# fault, say), read from its list: one "package<TAB>reason" a line, in
# $TROVANEL_MISSING_PACKAGES or build/missing-packages.txt. A test that needs
# one of them only prints why it cannot run, and ctest counts it skipped;
# build/skipped-tests.txt names them ("package<TAB>test") for the summary at
# the end of `make test`. A changed list reconfigures.
#   trovanel_add_test(NAME name NEEDS package... COMMAND command...)
#   trovanel_missing_reason(<var> package...)
#     "PACKAGE could not be installed: REASON" for the first missing one, or ""
include_guard(GLOBAL)

set(TROVANEL_MISSING_PACKAGES "$ENV{TROVANEL_MISSING_PACKAGES}")
if(TROVANEL_MISSING_PACKAGES STREQUAL "")
  set(TROVANEL_MISSING_PACKAGES ${PROJECT_SOURCE_DIR}/build/missing-packages.txt)
endif()
set(TROVANEL_SKIPPED_TESTS ${PROJECT_BINARY_DIR}/skipped-tests.txt)
file(WRITE ${TROVANEL_SKIPPED_TESTS} "")

if(EXISTS ${TROVANEL_MISSING_PACKAGES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${TROVANEL_MISSING_PACKAGES})
  file(READ ${TROVANEL_MISSING_PACKAGES} lines)
  # apt's words may hold what a CMake list would split or nest at.
  string(REPLACE ";" "," lines "${lines}")
  string(REPLACE "[" "(" lines "${lines}")
  string(REPLACE "]" ")" lines "${lines}")
  string(REPLACE "\n" ";" lines "${lines}")
  foreach(line IN LISTS lines)
    string(FIND "${line}" "\t" tab)
    if(tab LESS 1)
      continue()
    endif()
    string(SUBSTRING "${line}" 0 ${tab} package)
    math(EXPR tab "${tab} + 1")
    string(SUBSTRING "${line}" ${tab} -1 reason)
    string(MAKE_C_IDENTIFIER "${package}" id)
    set(trovanel_missing_${id} "${package} could not be installed: ${reason}")
  endforeach()
endif()

function(trovanel_missing_reason out)
  foreach(package IN LISTS ARGN)
    string(MAKE_C_IDENTIFIER "${package}" id)
    if(DEFINED trovanel_missing_${id})
      set(${out} "${trovanel_missing_${id}}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

function(trovanel_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "NEEDS;COMMAND")
  trovanel_missing_reason(why ${arg_NEEDS})
  if(why STREQUAL "")
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
    return()
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${CMAKE_COMMAND} -E echo "skipped: ${why}")
  set_tests_properties(${arg_NAME} PROPERTIES SKIP_REGULAR_EXPRESSION "^skipped: ")
  # The fixtures the folder gives its tests later would build or start what
  # is missing: a skipped test needs none.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL set_property TEST
                 [[${arg_NAME}]] PROPERTY FIXTURES_REQUIRED)")
  foreach(package IN LISTS arg_NEEDS)
    trovanel_missing_reason(missing ${package})
    if(NOT missing STREQUAL "")
      file(APPEND ${TROVANEL_SKIPPED_TESTS} "${package}\t${arg_NAME}\n")
    endif()
  endforeach()
endfunction()
