# `cpack -G DEB` in the build folder makes quindle_<version>_<arch>.deb.
set(QUINDLE_MAINTAINER "Quindle Developers <dev@quindle.invalid>" CACHE STRING "Package maintainer")
set(QUINDLE_HOMEPAGE "https://quindle.invalid/" CACHE STRING "Project home page")

# Debian keeps a package's notes under its own name, not the project's.
set(QUINDLE_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/quindle")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" DESTINATION "${QUINDLE_DOCDIR}")
add_custom_command(OUTPUT changelog.gz
  COMMAND gzip -9n -c "${PROJECT_SOURCE_DIR}/packaging/changelog" > changelog.gz
  DEPENDS "${PROJECT_SOURCE_DIR}/packaging/changelog" VERBATIM)
add_custom_target(quindle_changelog ALL DEPENDS changelog.gz)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz" DESTINATION "${QUINDLE_DOCDIR}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quindle)
set(CPACK_PACKAGE_VENDOR "Quindle Developers")
set(CPACK_PACKAGE_CONTACT "${QUINDLE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-tile puzzle with fourteen winning arrangements")
set(CPACK_PACKAGE_DESCRIPTION "Press Start and the tiles 1 to 15 are dealt at random on a four by four
board; click a tile next to the blank to slide it in. The game is won when
the board matches any of fourteen named arrangements: rows, columns, a
spiral, staircases, snakes and more. A winner dialog shows the seconds,
the moves and the name of the arrangement reached.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUINDLE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not show: the sound library's backend and theme,
# and the fonts the windows are drawn in. The sound library itself comes
# from the sound process's libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libcanberra-pulse, sound-theme-freedesktop, fonts-comic-neue, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
