# Read by cpack before each package: whoever builds a release, and wherever
# and whenever, its packages come out byte for byte the same.

# Every file is dated by the newest changelog entry, as Debian's own tools
# date a package, unless SOURCE_DATE_EPOCH names another time.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_SQRT_TABLE_SOURCE_DATE_EPOCH})
endif()

# A zip records local times.
set(ENV{TZ} UTC0)

# Only the source tarball packs a tree of files rather than an install.
if(CPACK_INSTALLED_DIRECTORIES)
  include(${CMAKE_CURRENT_LIST_DIR}/source.cmake)
endif()
