# The packages: a .deb, an .rpm and a tarball on Linux, a zip for Windows,
# all from one cpack in the build directory.
set(CPACK_PACKAGE_VENDOR "The sqrt-table authors")
set(CPACK_PACKAGE_CONTACT "The sqrt-table authors <sqrt-table@example.org>")
set(CPACK_PACKAGE_DESCRIPTION [[
sqrt-table writes a fixed lookup table of 255 entries to the file sqrt.txt
in the current directory. Entry i is 20 x log10(sqrt(i)) x 4.15555, rounded
to a whole number: 0 to 100 for entries 1 to 254, and -inf for entry 0.
The file is one line of comma-terminated fields, the same on every machine.
It reads no input and prints nothing unless it fails.]])
set(CPACK_STRIP_FILES ON)
# Every build gives the same bytes, whoever makes it and whenever, in
# whatever order the file system lists the files: see these two files.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/reproducible.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/archives.cmake)
# The newest changelog entry's date, which reproducible.cmake gives them.
set(CPACK_SQRT_TABLE_SOURCE_DATE_EPOCH ${sqrt_table_epoch})

# The archives take every component but debian; the .deb takes it in place
# of license, still as one package.
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE ISC)
set(CPACK_RPM_PACKAGE_GROUP Applications/Engineering)
# An RPM summary begins with a capital; a Debian one does not.
string(SUBSTRING "${PROJECT_DESCRIPTION}" 0 1 first)
string(SUBSTRING "${PROJECT_DESCRIPTION}" 1 -1 rest)
string(TOUPPER "${first}" first)
set(CPACK_RPM_PACKAGE_SUMMARY "${first}${rest}")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# RPM's changelog says what packaging/changelog says, in RPM's words.
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm-changelog)
file(WRITE ${CPACK_RPM_CHANGELOG_FILE} "${sqrt_table_rpm_changelog}")
set(CPACK_RPM_COMPRESSION_TYPE xz)
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
# The system's own directories belong to the system's own packages. An RPM
# installs under /usr.
set(usr /usr)
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  ${usr}/${CMAKE_INSTALL_DATADIR}/cmake
  ${usr}/${CMAKE_INSTALL_MANDIR} ${usr}/${CMAKE_INSTALL_MANDIR}/man1)
set(docs ${usr}/${CMAKE_INSTALL_DOCDIR})
set(CPACK_RPM_USER_FILELIST "%doc ${docs}/changelog.gz"
  "%license ${docs}/LICENSE")
# The host, the time and the build's own links would differ from build to
# build; the files keep the changelog's date.
set(CPACK_RPM_SPEC_MORE_DEFINE [[
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none]])

# The source release, made by the package_source target: one tarball of what
# git tracks at HEAD, under sqrt-table-VERSION/. CPack copies a tree before it
# packs it, so it is given one that holds those files alone: see source.cmake.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
set(CPACK_SOURCE_INSTALLED_DIRECTORIES "${PROJECT_BINARY_DIR}/source-tree;/")
# That tree holds nothing to leave out.
set(CPACK_SOURCE_IGNORE_FILES "")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_GENERATOR TGZ)
  # dpkg and rpm would label a cross-built package with this machine's
  # architecture.
  if(NOT CMAKE_CROSSCOMPILING)
    list(APPEND CPACK_GENERATOR DEB RPM)
  endif()
endif()
include(CPack)
