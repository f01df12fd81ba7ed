# Inside a build that cannot build sqrt-table for this machine, such as a
# cross build, or that names one, sqrt-table::sqrt-table is the program
# SQRT_TABLE_PROGRAM names, once it has written the table here. The header
# needs neither.
foreach(option TESTS INSTALL)
  if(SQRT_TABLE_${option})
    message(FATAL_ERROR "sqrt-table: SQRT_TABLE_${option}: this build "
      "builds no sqrt-table, to test or install")
  endif()
endforeach()
add_executable(sqrt-table::sqrt-table IMPORTED GLOBAL)
if(SQRT_TABLE_PROGRAM STREQUAL "")
  # A build that runs it stops here, saying what to do.
  set_target_properties(sqrt-table::sqrt-table PROPERTIES IMPORTED_LOCATION
    ${CMAKE_CURRENT_BINARY_DIR}/set-SQRT_TABLE_PROGRAM-to-a-sqrt-table-that-runs-here)
  return()
endif()

# Not a parent's variable of this name, which would stop the search.
unset(program)
# A bare name is looked up on PATH, not in the working folder.
find_program(program NAMES ${SQRT_TABLE_PROGRAM} NO_CACHE
  NO_CMAKE_FIND_ROOT_PATH NO_PACKAGE_ROOT_PATH)
set(check ${CMAKE_CURRENT_BINARY_DIR}/check)
file(REMOVE_RECURSE ${check})
file(MAKE_DIRECTORY ${check})
set(why "")
if(program)
  execute_process(COMMAND ${program} WORKING_DIRECTORY ${check}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  string(STRIP "${out}" out)
endif()
if(NOT program)
  set(why "no such program here")
elseif(NOT status STREQUAL "0")
  set(why "it failed (${status}): ${out}")
elseif(NOT EXISTS ${check}/sqrt.txt OR IS_DIRECTORY ${check}/sqrt.txt)
  set(why "it wrote no sqrt.txt")
else()
  file(READ ${check}/sqrt.txt got)
  file(READ ${CMAKE_CURRENT_LIST_DIR}/table.csv want)
endif()
# Another program, or another table, byte for byte: the first field that
# differs, numbered as entries are.
if(why STREQUAL "" AND NOT got STREQUAL want)
  set(why "its sqrt.txt goes on after the table")
  string(REPEAT "," 256 pad)
  string(REPLACE "," ";" got "${got}${pad}")
  string(REPLACE "," ";" want "${want}${pad}")
  foreach(i RANGE 256)
    list(GET want ${i} w)
    list(GET got ${i} g)
    if(NOT g STREQUAL w)
      set(why "its sqrt.txt has \"${g}\" as entry ${i}, not \"${w}\"")
      break()
    endif()
  endforeach()
endif()
if(NOT why STREQUAL "")
  message(FATAL_ERROR "sqrt-table: SQRT_TABLE_PROGRAM ${SQRT_TABLE_PROGRAM}: "
    "${why}")
endif()
set_target_properties(sqrt-table::sqrt-table PROPERTIES IMPORTED_LOCATION ${program})
