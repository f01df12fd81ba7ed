# Run by cpack once it has made the packages. CPack lists an archive's
# entries in the order the file system gives them, owned by whoever built
# it, so each archive is written again: entries sorted by name, owned by
# root, with modes 755 and 644, and dated SOURCE_DATE_EPOCH.
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
  # An unpacked file keeps only what the umask allowed of its mode.
  execute_process(COMMAND chmod -R u=rwX,go=rX .
    WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${pkg})
  if(pkg MATCHES "zip$")
    # -X leaves out the builder's user and group; the entries are listed in
    # order, files only, and the zip's local times are UTC.
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
