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
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(DATE $ENV{SOURCE_DATE_EPOCH})
endif()
set(zip ${DIR}/sqrt-table-${VERSION}-arduino.zip)
set(stage ${zip}.d)
set(lib ${stage}/sqrt-table)
file(REMOVE_RECURSE ${stage})
# zip would add to an old one.
file(REMOVE ${zip})

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

file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${stage} ${lib}/*)
list(APPEND entries sqrt-table)
list(SORT entries)
# Not the umask's modes, nor the build's times: the changelog's, in UTC,
# as zip records local times. -X: no owner.
execute_process(COMMAND chmod u=rwX,go=rX ${entries}
  WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND touch -d @${DATE} ${entries}
  WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
list(JOIN entries "\n" list)
file(WRITE ${stage}.list "${list}\n")
set(ENV{TZ} UTC0)
execute_process(COMMAND zip -X -q -9 ${zip} -@
  INPUT_FILE ${stage}.list WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${stage} ${stage}.list)
