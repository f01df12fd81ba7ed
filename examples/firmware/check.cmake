# The firmware prints sqrt-table's table, entry 0 as 0, and exits 0:
# cmake -DSQRT_TABLE=path -DFIRMWARE=elf -DEMULATOR=cmd;args... -DDIR=scratch
#   -P check.cmake
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
execute_process(COMMAND "${SQRT_TABLE}" WORKING_DIRECTORY "${DIR}"
  COMMAND_ERROR_IS_FATAL ANY)
file(READ "${DIR}/sqrt.txt" want)
if(NOT want MATCHES "^-inf,(.+)$")
  message(FATAL_ERROR "sqrt.txt: ${want}")
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
