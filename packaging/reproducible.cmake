# Read by cpack before each package: whoever builds a release, and wherever
# and whenever, its packages come out byte for byte the same.

# Every file is dated by the newest changelog entry, as Debian's own tools
# date a package, unless SOURCE_DATE_EPOCH names another time.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog trailer
    REGEX "^ -- " LIMIT_COUNT 1)
  set(date "([0-9]+) ([A-Z][a-z]+) ([0-9]+) ([0-9]+):([0-9]+):([0-9]+)")
  if(NOT trailer MATCHES " ${date} ([-+])([0-9][0-9])([0-9][0-9])$")
    message(FATAL_ERROR "packaging/changelog: no date in \"${trailer}\"")
  endif()
  set(day ${CMAKE_MATCH_1})
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(FIND months ${CMAKE_MATCH_2} month)
  set(year ${CMAKE_MATCH_3})
  # Count years from March, so that a leap day is the last day of its year.
  if(month LESS 2)
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR days "365 * ${year} + ${year} / 4 - ${year} / 100 + ${year} / 400
    + (153 * ((${month} + 10) % 12) + 2) / 5 + ${day} - 1 - 719468")
  math(EXPR epoch "${days} * 86400 + ${CMAKE_MATCH_4} * 3600
    + ${CMAKE_MATCH_5} * 60 + ${CMAKE_MATCH_6}
    - ${CMAKE_MATCH_7}(${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60)")
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()

# A zip records local times.
set(ENV{TZ} UTC0)

# Only the source tarball packs a tree of files rather than an install.
if(CPACK_INSTALLED_DIRECTORIES)
  include(${CMAKE_CURRENT_LIST_DIR}/source.cmake)
endif()
