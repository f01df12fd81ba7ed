# A 32-bit build whose arithmetic runs on the x87 unit, in 80-bit registers.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_CXX_FLAGS_INIT -mfpmath=387)
# Static, so that it runs here without 32-bit system libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
