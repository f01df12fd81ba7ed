# sqrt_table_add_header(<target> <name> [TYPE <type>] [ENTRY0 <value>])
# makes <name>.h at build time, first on <target>'s include path. Run as a
# script, this file writes it from the program's output.
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${IN}" table)
  # A short or garbled table fails the build, rather than make a short array.
  string(REGEX MATCHALL "[0-9]+" fields "${table}")
  list(LENGTH fields n)
  if(NOT table MATCHES "^-inf,([0-9]+,)+$" OR NOT n EQUAL 254)
    message(FATAL_ERROR "${IN}: not a table of 255 fields: ${table}")
  endif()
  string(REGEX REPLACE "^-inf," "${ENTRY0}," table "${table}")
  string(REPLACE "," ", " table "${table}")
  string(REPEAT "[^ ]+ " 15 row)
  string(REGEX REPLACE "(${row}[^ ]+) " "\\1\n\t" table "${table}")
  string(STRIP "${table}" table)
  file(WRITE "${OUT}" "/* Made by sqrt-table: entry i is 20 log10(sqrt(i)) x 4.15555. */
#ifndef SQRT_TABLE_${NAME}_H
#define SQRT_TABLE_${NAME}_H
#include <stdint.h>
static const ${TYPE} ${NAME}[255] = {
	${table}
};
#endif
")
  return()
endif()

function(sqrt_table_add_header target name)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_FILE})
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "TYPE;ENTRY0" "")
  set(type "unsigned char")
  set(entry0 0)
  if(DEFINED arg_TYPE)
    set(type "${arg_TYPE}")
  endif()
  if(DEFINED arg_ENTRY0)
    set(entry0 "${arg_ENTRY0}")
  endif()
  set(why "")
  if(DEFINED arg_UNPARSED_ARGUMENTS OR DEFINED arg_KEYWORDS_MISSING_VALUES)
    string(JOIN " " args ${arg_UNPARSED_ARGUMENTS} ${arg_KEYWORDS_MISSING_VALUES})
    set(why "what is \"${args}\"? Quote a type of two words: TYPE \"unsigned char\"")
  elseif(NOT TARGET ${target})
    set(why "no target ${target}")
  elseif(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    set(why "${name} is not a C identifier")
  elseif(NOT entry0 MATCHES "^(0|-?[1-9][0-9]*)$")
    set(why "ENTRY0 ${entry0} is not an integer")
  elseif(NOT DEFINED arg_TYPE AND (entry0 LESS 0 OR entry0 GREATER 255))
    set(why "ENTRY0 ${entry0} is not 0 to 255, as unsigned char needs")
  endif()
  if(NOT why STREQUAL "")
    message(FATAL_ERROR "sqrt_table_add_header: ${why}")
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/sqrt-table/${target}/${name})
  file(MAKE_DIRECTORY ${dir}/run ${dir}/include)
  add_custom_command(OUTPUT ${dir}/include/${name}.h
    COMMAND sqrt-table::sqrt-table
    COMMAND ${CMAKE_COMMAND} -DIN=sqrt.txt -DOUT=${dir}/include/${name}.h
      -DNAME=${name} "-DTYPE=${type}" -DENTRY0=${entry0} -P ${script}
    DEPENDS sqrt-table::sqrt-table ${script} WORKING_DIRECTORY ${dir}/run
    COMMENT "Generating ${name}.h with sqrt-table" VERBATIM)
  # A target here runs it, so that a call works wherever <target> was made.
  string(MAKE_C_IDENTIFIER "sqrt_table_${target}_${name}" step)
  add_custom_target(${step} DEPENDS ${dir}/include/${name}.h)
  add_dependencies(${target} ${step})
  target_include_directories(${target} BEFORE PRIVATE ${dir}/include)
endfunction()
