# Run by cpack after the packages: CPack's archives list entries in file
# system order, owned by the builder, so write them again.
foreach(pkg IN LISTS CPACK_PACKAGE_FILES)
  if(NOT pkg MATCHES "\\.(tar\\.gz|zip)$")
    continue()
  endif()
  set(dir ${pkg}.d)
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${pkg}
    WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${dir} ${dir}/*)
  list(SORT entries)
  # Extraction applied the umask.
  execute_process(COMMAND chmod -R u=rwX,go=rX .
    WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${pkg})
  if(pkg MATCHES "zip$")
    # -X: no owner; -D: files only, in the list's order. Zip times are
    # local, so reproducible.cmake sets TZ.
    list(JOIN entries "\n" list)
    file(WRITE ${dir}.list "${list}\n")
    execute_process(COMMAND zip -X -D -q -9 ${pkg} -@
      INPUT_FILE ${dir}.list WORKING_DIRECTORY ${dir}
      COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${dir}.list)
  else()
    execute_process(
      COMMAND tar --no-recursion --owner=0 --group=0 --numeric-owner
        --mtime=@$ENV{SOURCE_DATE_EPOCH} --format=gnu -cf - ${entries}
      COMMAND gzip -9n
      OUTPUT_FILE ${pkg} WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${dir})
endforeach()
