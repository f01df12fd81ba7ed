# Windows in MSVC mode, as Visual Studio's clang-cl toolset, tested under
# Wine: Wine's CRT and import libraries, libc++'s headers, lld-link.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

# Debian has clang-cl only beside the real clang.
find_program(clang clang NO_CACHE)
if(clang)
  file(REAL_PATH ${clang} clang)
  get_filename_component(llvm ${clang} DIRECTORY)
endif()
find_program(CMAKE_CXX_COMPILER clang-cl HINTS ${llvm} REQUIRED)
find_program(CMAKE_LINKER lld-link HINTS ${llvm} REQUIRED)
set(CMAKE_CXX_COMPILER_TARGET x86_64-pc-windows-msvc)

# The compiler's own libc++, ahead of the C headers.
file(REAL_PATH ${CMAKE_CXX_COMPILER} cl)
get_filename_component(llvm ${cl} DIRECTORY)
find_path(libcxx __config NO_CACHE NO_DEFAULT_PATH REQUIRED
  PATHS ${llvm}/../include/c++/v1 /usr/include/c++/v1)
# Wine's CRT headers need Windows' sal.h.
find_path(crt corecrt.h NO_CACHE NO_DEFAULT_PATH
  PATHS /usr/include/wine/wine/msvcrt)
find_path(sal sal.h NO_CACHE NO_DEFAULT_PATH
  PATHS /usr/include/wine/wine/windows)
file(GLOB libdirs /usr/lib/*/wine/x86_64-windows /usr/lib64/wine/x86_64-windows)
find_path(crtlib libucrtbase.a NO_CACHE NO_DEFAULT_PATH PATHS ${libdirs})
if(NOT crt OR NOT sal OR NOT crtlib)
  message(FATAL_ERROR "clang-cl.cmake: no Wine CRT headers or import "
    "libraries: install libwine-dev")
endif()
set(CMAKE_CXX_FLAGS_INIT "/I${libcxx} -imsvc${crt} -imsvc${sal}")

# No Microsoft static runtime: no default libraries, no /GS cookie;
# libwinecrt0.a has the entry point. Debug's /RTC1 and incremental link
# need Visual Studio's tools, so checks build Release.
string(APPEND CMAKE_CXX_FLAGS_INIT " /GS-")
set(CMAKE_EXE_LINKER_FLAGS_INIT "/nodefaultlib /libpath:${crtlib}")
set(CMAKE_CXX_STANDARD_LIBRARIES "libucrtbase.a libkernel32.a libwinecrt0.a")
set(CMAKE_TRY_COMPILE_CONFIGURATION Release)

include(${CMAKE_CURRENT_LIST_DIR}/wine.cmake)
