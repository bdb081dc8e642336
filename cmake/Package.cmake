# The Debian package: `cpack -G DEB` in the build folder makes pondrake_<version>_amd64.deb.
# Its dependencies are the shared libraries the program links (found by dpkg-shlibdeps) and the
# General MIDI soundfont the level music is played with, which no library names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pondrake)
set(CPACK_PACKAGE_VENDOR "The Pondrake developers")
set(CPACK_PACKAGE_CONTACT "The Pondrake developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action puzzle game: steer turtles to the water")
set(CPACK_PACKAGE_DESCRIPTION "Turtles walk across a pond on their own. Steer them with the mouse
alone, past holes, hopping aliens and stamping feet, and save as many as you can
before the bonus clock runs out. The ten best games are kept with a typed or a
handwritten name.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf3-soundfont-gm")
# Help pages open in the desktop's browser; the windows' lettering falls back to DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
include(CPack)
