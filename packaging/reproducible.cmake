# Read by cpack before each package, so every build gives the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_SQRT_TABLE_SOURCE_DATE_EPOCH})
endif()
set(ENV{TZ} UTC0) # a zip records local times
# The source tarball packs a tree made afresh of what git tracks at HEAD.
if(CPACK_INSTALLED_DIRECTORIES)
  list(GET CPACK_BUILD_SOURCE_DIRS 0 source)
  list(GET CPACK_INSTALLED_DIRECTORIES 0 tree)
  if(NOT EXISTS ${source}/.git)
    message(FATAL_ERROR "${source}: the source tarball is made from a git checkout")
  endif()
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND git -C ${source} archive --output=${tree}.tar HEAD
    COMMAND_ERROR_IS_FATAL ANY)
  file(ARCHIVE_EXTRACT INPUT ${tree}.tar DESTINATION ${tree})
  file(REMOVE ${tree}.tar)
endif()
