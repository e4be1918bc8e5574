# Run by cpack between staging the installation and making the package.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# Debian keeps the programs of a game package in /usr/games, so the launcher (and the
# dictionary toolkit, when built) move there. The launcher's paths to lib/ and share/ stay
# right, as games/ lies beside bin/.
file(GLOB programs "${staged}/bin/*")
file(MAKE_DIRECTORY "${staged}/games")
foreach(program ${programs})
  get_filename_component(name "${program}" NAME)
  file(RENAME "${program}" "${staged}/games/${name}")
endforeach()
file(REMOVE_RECURSE "${staged}/bin")

# The dependencies from what the programs and the engine link, by dpkg-shlibdeps. cpack's own
# run of it would also take the engine under usr/lib for a public library and add ldconfig
# calls to the package, which then lingers in dpkg's list after removal.
file(GLOB binaries "${staged}/lib/lexodrome/*" "${staged}/games/*")
list(FILTER binaries EXCLUDE REGEX "/games/lexodrome$")
set(scratch "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(MAKE_DIRECTORY "${scratch}/debian")
file(TOUCH "${scratch}/debian/control")
execute_process(COMMAND dpkg-shlibdeps -O ${binaries}
  WORKING_DIRECTORY "${scratch}"
  OUTPUT_VARIABLE found ERROR_VARIABLE complaints OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "^shlibs:Depends=" "" found "${found}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${found}")
