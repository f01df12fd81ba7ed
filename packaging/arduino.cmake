# cmake -DVERSION=1.3 -DDATE=SECONDS -DAUTHOR=NAME -DCONTACT="NAME <MAIL>"
#   -DDIR=build -P packaging/arduino.cmake writes the Arduino library
# DIR/sqrt-table-VERSION-arduino.zip, the same bytes from every build.
cmake_minimum_required(VERSION 3.21)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/sqrt-table-header.cmake)

foreach(var VERSION DATE AUTHOR CONTACT DIR)
  if(NOT ${var})
    message(FATAL_ERROR "give VERSION, DATE, AUTHOR, CONTACT and DIR")
  endif()
endforeach()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${DATE})
endif()
set(library ${DIR}/sqrt-table-${VERSION}-arduino.zip)
set(stage ${library}.stage)
set(lib ${stage}/sqrt-table)
file(REMOVE_RECURSE ${stage})

file(COPY ${CMAKE_CURRENT_LIST_DIR}/arduino/examples DESTINATION ${lib})
configure_file(${CMAKE_CURRENT_LIST_DIR}/arduino/library.properties.in
  ${lib}/library.properties @ONLY)
sqrt_table_write_header(${stage}/table.h sqrt_table "unsigned char" 0 " PROGMEM")
file(READ ${stage}/table.h table)
file(WRITE ${lib}/src/sqrt_table.h [[
/* On AVR the table stays in flash: read entry i as
 * pgm_read_byte(&sqrt_table[i]), which Arduino's other cores have too.
 * Elsewhere, as plain C or C++, PROGMEM is empty unless defined before,
 * and sqrt_table[i] reads it. */
#ifdef __AVR__
#include <avr/pgmspace.h>
#endif
#ifndef PROGMEM
#define PROGMEM
#endif
]] "${table}")
file(REMOVE ${stage}/table.h)

# Dated by the changelog, in UTC, as zip records local times; then written
# again as the other archives are, in order, with no owner.
set(ENV{TZ} UTC0)
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S UTC" UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${library} --format=zip
  "--mtime=${date}" sqrt-table WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${stage})
set(CPACK_PACKAGE_FILES ${library})
include(${CMAKE_CURRENT_LIST_DIR}/archives.cmake)
