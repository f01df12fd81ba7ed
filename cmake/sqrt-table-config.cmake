# find_package(sqrt-table) reads this: it defines the imported executable
# sqrt-table::sqrt-table, for a build to run by name.
include("${CMAKE_CURRENT_LIST_DIR}/sqrt-table-targets.cmake")
