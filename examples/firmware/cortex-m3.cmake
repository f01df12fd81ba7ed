# Debian's gcc-arm-none-eabi and picolibc, for qemu's mps2-an385 Cortex-M3.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER arm-none-eabi-gcc)
# No system to link against.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_C_FLAGS_INIT "-mcpu=cortex-m3 -mthumb --specs=picolibc.specs")
# This start code hands main's return to qemu, as its exit status.
set(CMAKE_EXE_LINKER_FLAGS_INIT "--oslib=semihost --crt0=semihost \
-Wl,--defsym=__flash=0x0,--defsym=__flash_size=0x400000 \
-Wl,--defsym=__ram=0x20000000,--defsym=__ram_size=0x400000")
# Cached, so that an empty one on the command line builds with no test.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-system-arm -M mps2-an385 -nographic
  -semihosting-config enable=on,target=native -kernel
  CACHE STRING "Runs the firmware named after it")
