# `make package`: one Debian package with the library, headers, CMake and pkg-config files,
# and the two programs with their data, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_CONTACT "Vantrel developers <vantrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Software 2D presentation engine (static library, headers) and its benchmark scene")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# Building on the library needs the back ends' development files; the programs need the
# run-time libraries and a Japanese font for the scene's texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-dev, libfreetype-dev, libfontconfig-dev, libpng-dev, libx11-dev, pkg-config, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
