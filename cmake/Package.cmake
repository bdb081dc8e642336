# The Debian package: `cpack -G DEB` in the build folder makes pondrake_<version>_amd64.deb.
# Its dependencies are the shared libraries the program links (found by dpkg-shlibdeps) and the
# General MIDI soundfont the level music is played with and Qt's translations, which no library names.
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
# The same relative link as bin/pondrake: games/ and bin/ both lie beside lib/.
install(FILES ${CMAKE_BINARY_DIR}/app/command/pondrake DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pondrake)
set(CPACK_PACKAGE_VENDOR "Pondrake Developers")
set(CPACK_PACKAGE_CONTACT "${PONDRAKE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PONDRAKE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action puzzle game: steer turtles to the water")
# Under the summary, in lines of at most 72 characters: package managers show them as they stand.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Turtles walk across a pond on their own. Steer them with the mouse alone,
past holes, hopping aliens and stamping feet, and save as many as you can
before the bonus clock runs out. The ten best games are kept with a typed
or a handwritten name. A level editor makes new levels and tries them on
the spot.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs speak the player's language through Qt's translations, which no library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf3-soundfont-gm, qt6-translations-l10n")
# A link to the web in the help opens in the desktop's browser; the windows' lettering falls back
# to DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
# One package of everything a plain install lays out (the component "Unspecified") and "debian",
# but not the command in bin/.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)
include(CPack)
