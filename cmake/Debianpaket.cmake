# make package: kartovex_<version>_<arch>.deb from everything the build installs.
# Depends come from the programs' shared libraries (dpkg-shlibdeps), plus what
# the program loads at run time, which no linked library pulls in: the German
# Qt translations (qtbase_de.qm), Qt's SVG plugin that draws the window icon and
# Qt's SQLite driver that reads the map's base map.
set(KARTOVEX_MAINTAINER "KartovexLE maintainers <maintainers@users.noreply.c-seed-af864183.example>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kartovex)
set(CPACK_PACKAGE_VENDOR "KartovexLE")
set(CPACK_PACKAGE_CONTACT "${KARTOVEX_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KARTOVEX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libqt6svg6, libqt6sql6-sqlite")
# Removing the package also removes man's cached copies of its pages.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coordinate converter for one point or many (German)")
# The extended description; an empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
KartovexLE converts the coordinates of a point into every format at once:
decimal degrees, degrees and minutes, degrees, minutes and seconds, UTM in
civil and military notation, UTMREF, and Gauss-Krueger for points in and
around Germany. Every keystroke is checked and every fault explained; the
user interface is German.

kartovex is the desktop program; kartovex-konvert does the same conversions
for a whole file of points and writes CSV or JSON lines.]])

include(CPack)
