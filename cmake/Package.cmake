# The Debian packages: `cpack -G DEB` in the build folder makes pondrake_<version>_amd64.deb, the
# game, and pondrake-server_<version>_amd64.deb, the world table's server. Their dependencies are
# the shared libraries each program links (found by dpkg-shlibdeps) and what no library names: the
# game's General MIDI soundfont and Qt's translations, the server's Qt SQL drivers (plugins, loaded
# at run time).
#
# The package holds what `cmake --install` lays out plus the component "debian": the command in
# /usr/games instead of /usr/bin, as Debian wants a game's, and the copyright file and changelog
# in /usr/share/doc/pondrake. The component is left out of a plain `cmake --install`.
set(PONDRAKE_MAINTAINER "Pondrake Developers <team@pondrake.org>")

set(docs ${CMAKE_BINARY_DIR}/package-docs)
add_custom_command(OUTPUT ${docs}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${docs}/changelog
  COMMAND gzip -9nf ${docs}/changelog
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(pondrake_package_docs ALL DEPENDS ${docs}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${docs}/changelog.gz DESTINATION share/doc/pondrake
        COMPONENT debian EXCLUDE_FROM_ALL)
set(server_docs ${CMAKE_BINARY_DIR}/package-docs/server)
add_custom_command(OUTPUT ${server_docs}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog-server ${server_docs}/changelog
  COMMAND gzip -9nf ${server_docs}/changelog
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog-server)
add_custom_target(pondrake_server_package_docs ALL DEPENDS ${server_docs}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${server_docs}/changelog.gz DESTINATION share/doc/pondrake-server
        COMPONENT serverdocs EXCLUDE_FROM_ALL)
# The same relative link as bin/pondrake: games/ and bin/ both lie beside lib/.
install(FILES ${CMAKE_BINARY_DIR}/app/command/pondrake DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pondrake)
set(CPACK_PACKAGE_VENDOR "Pondrake Developers")
set(CPACK_PACKAGE_CONTACT "${PONDRAKE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PONDRAKE_MAINTAINER}")
# No CPACK_PACKAGE_DESCRIPTION_SUMMARY: CMake 3.25 would put it first in every package's
# description. Each package's description starts with its own summary line; under it, lines of at
# most 72 characters, which package managers show as they stand.
set(CPACK_DEBIAN_GAME_DESCRIPTION "action puzzle game: steer turtles to the water
Turtles walk across a pond on their own. Steer them with the mouse alone,
past holes, hopping aliens and stamping feet, and save as many as you can
before the bonus clock runs out. The ten best games are kept with a typed
or a handwritten name. A level editor makes new levels and tries them on
the spot.")
set(CPACK_DEBIAN_SERVER_DESCRIPTION "world top ten for Pondrake, verified by playing every game
The server keeps a world top ten for each level set of the Pondrake game.
It plays every game it is sent through the game's own rules and stores
only those that come out at their recorded score, so a forged score never
reaches the table. SQLite by default, PostgreSQL for a shared server;
JSON over HTTP, behind a reverse proxy for TLS; a systemd unit included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME pondrake)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
# Qt's own dialogs speak the player's language through Qt's translations, which no library names.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "timgm6mb-soundfont | sf3-soundfont-gm, qt6-translations-l10n")
# A link to the web in the help opens in the desktop's browser; the windows' lettering falls back
# to DejaVu Sans.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
set(CPACK_DEBIAN_SERVER_PACKAGE_NAME pondrake-server)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION games)
set(CPACK_DEBIAN_SERVER_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_SERVER_PACKAGE_RECOMMENDS "libqt6sql6-psql")
# Two packages, each of its components: the game is what a plain install lays out (the component
# "Unspecified") and "debian", but not the command in bin/; the server is "server" and its docs.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ONE_PER_GROUP)
set(CPACK_COMPONENTS_ALL Unspecified debian server serverdocs)
set(CPACK_COMPONENT_UNSPECIFIED_GROUP game)
set(CPACK_COMPONENT_DEBIAN_GROUP game)
set(CPACK_COMPONENT_SERVER_GROUP server)
set(CPACK_COMPONENT_SERVERDOCS_GROUP server)
include(CPack)
