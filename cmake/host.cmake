# A cross build runs sqrt-table on the build machine: built apart, with none
# of the parent's compilers, flags or emulator, or named.
set(SQRT_TABLE_PROGRAM "" CACHE FILEPATH "A sqrt-table that runs here")
foreach(option TESTS INSTALL)
  if(SQRT_TABLE_${option})
    message(FATAL_ERROR "sqrt-table: SQRT_TABLE_${option}: a cross build "
      "has no sqrt-table for its target")
  endif()
endforeach()

# One for each generator a parent may use.
string(MAKE_C_IDENTIFIER "host_${CMAKE_GENERATOR}" dir)
set(dir ${CMAKE_CURRENT_BINARY_DIR}/${dir})
set(program ${SQRT_TABLE_PROGRAM})
if(NOT program)
  # Configured again, and so built again, when the program changes.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS main.cpp)
  set(env ${CMAKE_COMMAND} -E env --unset=CC --unset=CXX --unset=CFLAGS
    --unset=CXXFLAGS --unset=LDFLAGS --unset=CMAKE_TOOLCHAIN_FILE
    --unset=CMAKE_CROSSCOMPILING_EMULATOR --unset=CMAKE_GENERATOR_PLATFORM
    --unset=CMAKE_GENERATOR_TOOLSET)
  execute_process(COMMAND ${env} ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_SOURCE_DIR}
    -B ${dir} -G ${CMAKE_GENERATOR} -DCMAKE_MAKE_PROGRAM=${CMAKE_MAKE_PROGRAM}
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CONFIGURATION_TYPES=Release
    -DSQRT_TABLE_TESTS=OFF -DSQRT_TABLE_INSTALL=OFF
    OUTPUT_FILE ${dir}.log ERROR_FILE ${dir}.log RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(COMMAND ${env} ${CMAKE_COMMAND} --build ${dir} --config
      Release OUTPUT_FILE ${dir}.log ERROR_FILE ${dir}.log RESULT_VARIABLE failed)
  endif()
  if(failed)
    file(REMOVE_RECURSE ${dir}) # for the next try to start afresh
    message(FATAL_ERROR "sqrt-table: this build runs sqrt-table, which could "
      "not be built for this machine (see ${dir}.log). Install a C++ "
      "compiler for this machine, or set SQRT_TABLE_PROGRAM to a sqrt-table "
      "that runs here.")
  endif()
  set(program ${dir}/Release/sqrt-table)
  if(CMAKE_HOST_WIN32)
    string(APPEND program .exe)
  endif()
endif()

# Run once, so that one that cannot run here stops the configure.
file(REMOVE_RECURSE ${dir}/check)
file(MAKE_DIRECTORY ${dir}/check)
execute_process(COMMAND ${program} WORKING_DIRECTORY ${dir}/check
  RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
if(failed OR NOT EXISTS ${dir}/check/sqrt.txt)
  message(FATAL_ERROR "sqrt-table: ${program} did not write sqrt.txt here: "
    "set SQRT_TABLE_PROGRAM to a sqrt-table that runs on this machine")
endif()
add_executable(sqrt-table::sqrt-table IMPORTED GLOBAL)
set_target_properties(sqrt-table::sqrt-table PROPERTIES IMPORTED_LOCATION ${program})
