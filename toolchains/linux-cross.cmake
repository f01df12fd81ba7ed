# Another Linux architecture, with Debian's gcc-TRIPLET, tested under qemu.
set(CROSS_TRIPLET "" CACHE STRING "GNU triplet of the target, as in g++-TRIPLET")
set(CROSS_FLAGS "" CACHE STRING "Compiler flags the target needs")
set(CROSS_CPU "" CACHE STRING "qemu's -cpu for the target, if not its default")
if(NOT CROSS_TRIPLET)
  message(FATAL_ERROR "set CROSS_TRIPLET, for example to aarch64-linux-gnu")
endif()
# try_compile projects see only these.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CROSS_TRIPLET CROSS_FLAGS)

string(REGEX MATCH "^[^-]+" cpu "${CROSS_TRIPLET}")
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${cpu})
set(CMAKE_C_COMPILER ${CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${CROSS_TRIPLET}-g++)
set(CMAKE_C_FLAGS_INIT "${CROSS_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${CROSS_FLAGS}")
set(CMAKE_FIND_ROOT_PATH /usr/${CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Dynamic, with the target's libraries from /usr/TRIPLET: a static alpha
# program never starts under qemu 7.2. i686 goes through qemu too: not every
# x86-64 kernel runs it. qemu runs MIPS R6 as plain MIPS. No -static names:
# they left after Debian 13.
string(REGEX REPLACE "^powerpc" ppc qemu ${cpu})
string(REGEX REPLACE "^i.86$" i386 qemu ${qemu})
string(REGEX REPLACE "^mipsisa32r6" mips qemu ${qemu})
string(REGEX REPLACE "^mipsisa64r6" mips64 qemu ${qemu})
find_program(CROSS_QEMU qemu-${qemu} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CROSS_QEMU} -L /usr/${CROSS_TRIPLET})
if(CROSS_CPU)
  list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -cpu ${CROSS_CPU})
endif()
