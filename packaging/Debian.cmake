# `cpack` (scripts/package) makes powerreels_<version>_<arch>.deb from the
# install rules: both programs, the desktop files, the man pages, and the
# copyright and changelog that Debian wants of every package. Its Depends
# come from dpkg-shlibdeps, so that apt pulls exactly the libraries linked.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/powerreels)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright DESTINATION ${doc_dir})
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(
    OUTPUT ${changelog}
    COMMAND ${GZIP_EXECUTABLE} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME powerreels)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The PowerReels developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "films of the Mandelbrot set with real exponents")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "PowerReels renders and plays films of the Mandelbrot set with real"
    "exponents: the points c for which z -> z^e + c, started at z = c, stays"
    "bounded, for any real e of at least 1. A film sweeps e from a minimum to a"
    "maximum; every frame is a square polar picture saved as a bitmap. The"
    "window draws and plays films; powerreels-cli renders them without a"
    "display and exports them as videos.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "The PowerReels developers <powerreels@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins itself, so no linked library names them; the
# window needs the X11 one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/powerreels/PowerReels")
include(CPack)
