# find_package(sqrt-table): sqrt-table::sqrt-table and sqrt_table_add_header.
include("${CMAKE_CURRENT_LIST_DIR}/sqrt-table-targets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/sqrt-table-header.cmake")
