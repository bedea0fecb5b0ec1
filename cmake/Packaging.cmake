# The Debian package: `make package`, or `cpack -G DEB` in the build folder.
# It holds what `cmake --install` puts in place, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quovale)
set(CPACK_PACKAGE_VENDOR "l'équipe Quovale")
set(CPACK_PACKAGE_CONTACT "l'équipe Quovale <contact@quovale.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://quovale.example.org)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timed aptitude test for pilot candidates")
set(CPACK_PACKAGE_DESCRIPTION
    "Test Quovale is a timed aptitude exercise for pilot selection, entirely in
French. Each screen shows a chart of six coloured dials and three statements
about it; the candidate ticks the statements judged true. A test is 60
screens against a 14-minute countdown.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first Debian revision of the upstream version: the package is not a
# native one, so its changelog is changelog.Debian.gz (Documentation.cmake),
# whose first entry must carry this same version.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries are read from the binary itself (dpkg-shlibdeps). What is
# only loaded at run time has to be named: Qt's extra platform plugins, and the
# fonts that stand in for MS Sans Serif, Arial and Comic Sans MS (fonts.cpp).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-comic-neue")

include(CPack)
