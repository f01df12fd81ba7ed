set(CPACK_PACKAGE_VENDOR "The sqrt-table authors")
set(CPACK_PACKAGE_CONTACT "The sqrt-table authors <sqrt-table@example.org>")
set(CPACK_PACKAGE_DESCRIPTION [[
sqrt-table writes a fixed lookup table of 255 entries to the file sqrt.txt,
for firmware to compile in. Entry i is 20 x log10(sqrt(i)) x 4.15555,
rounded: 0 to 100 for entries 1 to 254, and -inf for entry 0. A CMake
package makes a C header of it, for any build, with nothing to run.]])
set(CPACK_STRIP_FILES ON)
# The same bytes from every build.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/reproducible.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/archives.cmake)
set(CPACK_SQRT_TABLE_SOURCE_DATE_EPOCH ${sqrt_table_date})

# The .deb takes the debian component in place of license.
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE ISC)
set(CPACK_RPM_PACKAGE_GROUP Applications/Engineering)
set(CPACK_RPM_PACKAGE_SUMMARY "Write a logarithmic lookup table to sqrt.txt")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# RPM's changelog: one entry, of the version's date, for the whole one.
set(ENV{SOURCE_DATE_EPOCH} ${sqrt_table_date})
string(TIMESTAMP day "%a %b %d %Y" UTC)
unset(ENV{SOURCE_DATE_EPOCH})
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm-changelog)
file(WRITE ${CPACK_RPM_CHANGELOG_FILE} "* ${day} ${CPACK_PACKAGE_CONTACT} \
- ${PROJECT_VERSION}-1\n- See /usr/share/doc/sqrt-table/changelog.gz.\n")
set(CPACK_RPM_COMPRESSION_TYPE xz)
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
# The system's own directories.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/cmake
  /usr/share/man /usr/share/man/man1)
set(CPACK_RPM_USER_FILELIST "%doc /usr/share/doc/sqrt-table/changelog.gz"
  "%license /usr/share/doc/sqrt-table/LICENSE")
# Or the host, the time and the build ID links vary.
set(CPACK_RPM_SPEC_MORE_DEFINE [[
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none]])

# The source tarball, of what git tracks at HEAD: see reproducible.cmake.
# That tree holds nothing to leave out.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
set(CPACK_SOURCE_INSTALLED_DIRECTORIES "${PROJECT_BINARY_DIR}/source-tree;/")
set(CPACK_SOURCE_IGNORE_FILES "")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_GENERATOR TGZ)
  # They would label a cross build with this machine's architecture.
  if(NOT CMAKE_CROSSCOMPILING)
    list(APPEND CPACK_GENERATOR DEB RPM)
  endif()
endif()
include(CPack)
