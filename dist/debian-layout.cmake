# Run by cpack between staging the installation and making the package: Debian keeps the
# programs of games in /usr/games, so the launcher moves there. Its links to lib/ and share/
# stay right, as games/ lies beside bin/.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${staged}/games")
file(RENAME "${staged}/bin/lexodrome" "${staged}/games/lexodrome")
file(GLOB left "${staged}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${staged}/bin")
endif()
