# Run by cpack between staging the installation and making the package.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# Debian keeps the programs of games in /usr/games, so the launcher moves there. Its paths to
# lib/ and share/ stay right, as games/ lies beside bin/.
file(MAKE_DIRECTORY "${staged}/games")
file(RENAME "${staged}/bin/lexodrome" "${staged}/games/lexodrome")
file(GLOB left "${staged}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${staged}/bin")
endif()

# The dependencies from what the program and the engine link, by dpkg-shlibdeps. cpack's own
# run of it would also take the engine under usr/lib for a public library and add ldconfig
# calls to the package, which then lingers in dpkg's list after removal.
file(GLOB binaries "${staged}/lib/lexodrome/*" "${staged}/bin/*")
set(scratch "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(MAKE_DIRECTORY "${scratch}/debian")
file(TOUCH "${scratch}/debian/control")
execute_process(COMMAND dpkg-shlibdeps -O ${binaries}
  WORKING_DIRECTORY "${scratch}"
  OUTPUT_VARIABLE found ERROR_VARIABLE complaints OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "^shlibs:Depends=" "" found "${found}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${found}")
