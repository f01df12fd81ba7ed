# The firmware prints the table, entry 0 as 0, and exits 0:
# cmake -DTABLE=sqrt.txt -DFIRMWARE=elf -DEMULATOR=cmd;args... -P check.cmake
cmake_minimum_required(VERSION 3.21)
file(READ "${TABLE}" want)
if(NOT want MATCHES "^-inf,(.+)$")
  message(FATAL_ERROR "${TABLE}: ${want}")
endif()
set(want "0,${CMAKE_MATCH_1}")
# Semihosting writes to qemu's standard error, among qemu's own notes.
execute_process(COMMAND ${EMULATOR} "${FIRMWARE}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(FIND "\n${out}" "\n${want}\n" at)
if(NOT status STREQUAL "0" OR at EQUAL -1)
  message(FATAL_ERROR "wanted exit status 0 and the line\n${want}\n"
    "got exit status ${status} and:\n${out}")
endif()
message("${want}")
