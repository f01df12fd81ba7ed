# Cross-builds a Windows executable as Visual Studio's "LLVM (clang-cl)"
# toolset does, in MSVC mode, and runs its tests under Wine. It builds
# against Wine's ucrtbase.dll, with Wine's headers and import libraries, not
# Microsoft's Universal CRT; libc++'s headers stand in for Microsoft's
# standard library, and lld-link for link.exe. Debian has them in
# libwine-dev, libc++-dev, lld and clang-tools.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

# Debian keeps clang-cl in LLVM's own directory, beside the real clang.
find_program(clang clang NO_CACHE)
if(clang)
  file(REAL_PATH ${clang} clang)
  get_filename_component(llvm ${clang} DIRECTORY)
endif()
find_program(CMAKE_CXX_COMPILER clang-cl HINTS ${llvm} REQUIRED)
find_program(CMAKE_LINKER lld-link HINTS ${llvm} REQUIRED)
set(CMAKE_CXX_COMPILER_TARGET x86_64-pc-windows-msvc)

# That compiler's own libc++, whose headers come before the C headers.
file(REAL_PATH ${CMAKE_CXX_COMPILER} cl)
get_filename_component(llvm ${cl} DIRECTORY)
find_path(libcxx __config NO_CACHE NO_DEFAULT_PATH REQUIRED
  PATHS ${llvm}/../include/c++/v1 /usr/include/c++/v1)
# Wine's C runtime headers, which include Windows' sal.h, and its import
# libraries.
find_path(crt corecrt.h NO_CACHE NO_DEFAULT_PATH
  PATHS /usr/include/wine/wine/msvcrt)
find_path(sal sal.h NO_CACHE NO_DEFAULT_PATH
  PATHS /usr/include/wine/wine/windows)
file(GLOB libdirs /usr/lib/*/wine/x86_64-windows /usr/lib64/wine/x86_64-windows)
find_path(crtlib libucrtbase.a NO_CACHE NO_DEFAULT_PATH PATHS ${libdirs})
if(NOT crt OR NOT sal OR NOT crtlib)
  message(FATAL_ERROR "clang-cl.cmake: no Wine C runtime headers "
    "(wine/msvcrt, wine/windows) or import libraries (libucrtbase.a) were "
    "found: install Debian's libwine-dev")
endif()
# libc++'s <cmath> names the long double functions: Wine 10's headers
# declare them, and Wine 8's do not.
file(STRINGS ${crt}/math.h long_double REGEX "long double")
if(NOT long_double)
  message(FATAL_ERROR "clang-cl.cmake: ${crt}/math.h declares no long "
    "double functions, which libc++ needs: use Wine 10 or later")
endif()
set(CMAKE_CXX_FLAGS_INIT "/I${libcxx} -imsvc${crt} -imsvc${sal}")

# Microsoft's static runtime is not here either, so nothing may need it: not
# the default libraries, nor the stack cookie of /GS. Wine's libwinecrt0.a
# has the entry point. A Debug build's run-time checks (/RTC1) and its
# incremental link need Visual Studio's own tools, so this builds Release.
string(APPEND CMAKE_CXX_FLAGS_INIT " /GS-")
set(CMAKE_EXE_LINKER_FLAGS_INIT "/nodefaultlib /libpath:${crtlib}")
set(CMAKE_CXX_STANDARD_LIBRARIES "libucrtbase.a libkernel32.a libwinecrt0.a")
set(CMAKE_TRY_COMPILE_CONFIGURATION Release)

include(${CMAKE_CURRENT_LIST_DIR}/wine.cmake)
