# Run by cpack after the packages, and by arduino.cmake: CPack's archives
# list entries in file system order, owned by the builder, so write them
# again.
foreach(pkg IN LISTS CPACK_PACKAGE_FILES)
  if(pkg MATCHES "\\.tar\\.gz$")
    list(APPEND archives ${pkg})
    list(APPEND tools chmod tar gzip)
  elseif(pkg MATCHES "\\.zip$")
    list(APPEND archives ${pkg})
    list(APPEND tools chmod zip)
  endif()
endforeach()
# All of them first, so that a host without one fails before any rewrite.
list(REMOVE_DUPLICATES tools)
foreach(tool IN LISTS tools)
  # The ones a shell would run, not CMake's guesses beside them.
  find_program(${tool} ${tool} NO_CMAKE_SYSTEM_PATH)
  if(NOT ${tool})
    list(APPEND missing ${tool})
  endif()
endforeach()
if(tar)
  execute_process(COMMAND ${tar} --version OUTPUT_VARIABLE version
    ERROR_QUIET)
  # --owner, --mtime and --format=gnu are GNU tar's.
  if(NOT version MATCHES "GNU tar")
    list(APPEND missing "GNU tar")
  endif()
endif()
if(missing)
  # CPack's own would pass for the release's bytes, yet differ from them.
  file(REMOVE ${archives})
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "The packages are made on GNU/Linux, "
    "and this host lacks: ${missing}")
endif()

foreach(pkg IN LISTS archives)
  set(dir ${pkg}.d)
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${pkg}
    WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${dir} ${dir}/*)
  list(SORT entries)
  # Extraction applied the umask.
  execute_process(COMMAND ${chmod} -R u=rwX,go=rX .
    WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  # A failure below leaves no package, rather than a truncated one.
  file(REMOVE ${pkg})
  set(part ${pkg}.part)
  if(pkg MATCHES "zip$")
    # -X: no owner; -D: files only, in the list's order. Zip times are
    # local, so reproducible.cmake sets TZ.
    list(JOIN entries "\n" list)
    file(WRITE ${dir}.list "${list}\n")
    file(REMOVE ${part})
    execute_process(COMMAND ${zip} -X -D -q -9 ${part} -@
      INPUT_FILE ${dir}.list WORKING_DIRECTORY ${dir}
      COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${dir}.list)
  else()
    execute_process(
      COMMAND ${tar} --no-recursion --owner=0 --group=0 --numeric-owner
        --mtime=@$ENV{SOURCE_DATE_EPOCH} --format=gnu -cf - ${entries}
      COMMAND ${gzip} -9n
      OUTPUT_FILE ${part} WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(RENAME ${part} ${pkg})
  file(REMOVE_RECURSE ${dir})
endforeach()
