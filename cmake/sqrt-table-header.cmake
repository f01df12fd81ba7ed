# sqrt_table_add_header(<target> <name> [TYPE <type>] [ENTRY0 <value>]
#   [SCOPE PRIVATE|PUBLIC|INTERFACE]) writes <name>.h from the table the
# package holds, when CMake configures: no program is built or run.

# Its own policies, not those of the project that includes it.
cmake_policy(PUSH)
cmake_policy(VERSION 3.21)

# The table, as sqrt-table writes it, for a test to compare with.
set_property(GLOBAL PROPERTY SQRT_TABLE_FILE ${CMAKE_CURRENT_LIST_DIR}/table.csv)

function(sqrt_table_add_header target name)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "TYPE;ENTRY0;SCOPE" "")
  set(type "unsigned char")
  set(entry0 0)
  set(scope PRIVATE)
  foreach(option type entry0 scope)
    string(TOUPPER ${option} key)
    if(DEFINED arg_${key})
      set(${option} "${arg_${key}}")
    endif()
  endforeach()
  if(TARGET "${target}")
    get_target_property(aliased ${target} ALIASED_TARGET)
    if(aliased)
      set(target ${aliased})
    endif()
    get_target_property(kind ${target} TYPE)
    get_target_property(imported ${target} IMPORTED)
    get_target_property(made ${target} SQRT_TABLE_HEADERS)
  endif()
  set(why "")
  if(DEFINED arg_UNPARSED_ARGUMENTS OR DEFINED arg_KEYWORDS_MISSING_VALUES)
    string(JOIN " " args ${arg_UNPARSED_ARGUMENTS} ${arg_KEYWORDS_MISSING_VALUES})
    set(why "what is \"${args}\"? Quote a type of two words: TYPE \"unsigned char\"")
  elseif(NOT TARGET "${target}")
    set(why "no target ${target}")
  elseif(imported)
    set(why "${target} is imported: make the header in the project that builds it")
  elseif(name IN_LIST made)
    set(why "${target} has a ${name}.h already")
  elseif(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    set(why "${name} is not a C identifier")
  elseif(NOT type MATCHES "^[A-Za-z_][A-Za-z0-9_]*( [A-Za-z_][A-Za-z0-9_]*)*$")
    set(why "TYPE ${type} is not the name of a C type")
  elseif(NOT entry0 MATCHES "^(0|-?[1-9][0-9]*)$")
    set(why "ENTRY0 ${entry0} is not an integer")
  elseif(NOT scope MATCHES "^(PRIVATE|PUBLIC|INTERFACE)$")
    set(why "SCOPE ${scope} is not PRIVATE, PUBLIC or INTERFACE")
  elseif(kind STREQUAL "INTERFACE_LIBRARY" AND NOT scope STREQUAL "INTERFACE")
    set(why "${target} is an INTERFACE library: give SCOPE INTERFACE")
  endif()
  if(NOT why STREQUAL "")
    string(JOIN " " call ${ARGV})
    message(FATAL_ERROR "sqrt_table_add_header(${call}): ${why}")
  endif()
  set_property(TARGET ${target} APPEND PROPERTY SQRT_TABLE_HEADERS ${name})

  set(out ${CMAKE_CURRENT_BINARY_DIR}/sqrt-table/${target}/${name})
  sqrt_table_write_header(${out}/${name}.h ${name} "${type}" ${entry0} "")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/table.csv)

  target_include_directories(${target} BEFORE ${scope} $<BUILD_INTERFACE:${out}>)
  # Included ahead of every source too: a stray ${name}.h found first, such
  # as one beside the source, then defines nothing, or stops the build as a
  # redefinition of ${name}.
  if(MSVC)
    set(include /FI${out}/${name}.h)
  else()
    set(include -include${out}/${name}.h)
  endif()
  target_compile_options(${target} ${scope}
    "$<BUILD_INTERFACE:$<$<COMPILE_LANGUAGE:C,CXX>:${include}>>")
endfunction()

# Writes the header FILE, of array NAME of TYPE with entry 0 as ENTRY0, and
# FLASH after the array's name: only when it changes, so that a second build
# has nothing to do.
function(sqrt_table_write_header file NAME TYPE ENTRY0 FLASH)
  set(dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  # A damaged table stops here, rather than make a short array of zeros.
  file(READ ${dir}/table.csv table)
  string(REGEX MATCHALL "[0-9]+," fields "${table}")
  list(LENGTH fields n)
  if(NOT table MATCHES "^-inf,([0-9]+,)+$" OR NOT n EQUAL 254)
    message(FATAL_ERROR "${dir}/table.csv: not a table of 255 fields")
  endif()
  string(REGEX REPLACE "^-inf," "${ENTRY0}," table "${table}")
  string(REPLACE "," ", " table "${table}")
  string(REPEAT "[^ ]+ " 15 row)
  string(REGEX REPLACE "(${row}[^ ]+) " "\\1\n\t" table "${table}")
  string(STRIP "${table}" TABLE)
  string(REPLACE "-" "minus" VALUE ${ENTRY0})
  string(MAKE_C_IDENTIFIER "${TYPE}" TYPE_ID)
  # The type and entry 0 in the guard: two headers of one name that differ
  # stop the build, as a redefinition, where both reach one source.
  set(ID ${NAME}_${TYPE_ID}_${VALUE})
  configure_file(${dir}/header.h.in ${file} @ONLY)
endfunction()
cmake_policy(POP)
