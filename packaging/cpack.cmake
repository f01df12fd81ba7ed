set(CPACK_PACKAGE_CONTACT "The sqrt-table authors <sqrt-table@example.org>")
set(CPACK_PACKAGE_DESCRIPTION [[
sqrt-table writes a fixed lookup table of 255 entries to the file sqrt.txt
in the current directory. Entry i is 20 x log10(sqrt(i)) x 4.15555, rounded
to a whole number: 0 to 100 for entries 1 to 254, and -inf for entry 0.
The file is one line of comma-terminated fields, the same on every machine.
It reads no input and prints nothing unless it fails.]])
set(CPACK_STRIP_FILES ON)
# The archives take every component but debian; the .deb takes it in place
# of license, still as one package.
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_GENERATOR TGZ)
  # dpkg would label a cross-built .deb with this machine's architecture.
  if(NOT CMAKE_CROSSCOMPILING)
    list(APPEND CPACK_GENERATOR DEB)
  endif()
endif()
include(CPack)
