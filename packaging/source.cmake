# Read by cpack before it makes the source tarball: the tree it packs is made
# afresh from what git tracks at HEAD, so that nothing else in the working
# tree, a build directory or a table left by a run, ends up in a release.
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
