# `cpack` (scripts/package) makes two packages from the install rules:
# powerreels_<version>_<arch>.deb, the program (both programs' front ends, the
# desktop files, the man pages), and powerreels-export_<version>_<arch>.deb,
# the video export with its FFmpeg libraries, which the first recommends: a
# user who never exports installs no FFmpeg. Each has the copyright and
# changelog that Debian wants of every package; their Depends come from
# dpkg-shlibdeps, so that apt pulls exactly the libraries linked.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(
    OUTPUT ${changelog}
    COMMAND ${GZIP_EXECUTABLE} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog})
set(packages powerreels)
if(POWERREELS_BUILD_CLI)
    list(APPEND packages powerreels-export)
endif()
foreach(package ${packages})
    string(REGEX REPLACE "^powerreels-?" "" component ${package})
    if(component STREQUAL "")
        set(component program)
    endif()
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME powerreels)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The PowerReels developers")
# Each package's description, its first line the synopsis (CPack would put a
# CPACK_PACKAGE_DESCRIPTION_SUMMARY before both).
string(JOIN "\n" CPACK_DEBIAN_PROGRAM_DESCRIPTION
    "films of the Mandelbrot set with real exponents"
    "PowerReels renders and plays films of the Mandelbrot set with real"
    "exponents: the points c for which z -> z^e + c, started at z = c, stays"
    "bounded, for any real e of at least 1. A film sweeps e from a minimum to a"
    "maximum; every frame is a square polar picture saved as a bitmap. The"
    "window draws and plays films; powerreels-cli renders them without a"
    "display and, with powerreels-export, exports them as videos.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "The PowerReels developers <powerreels@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME powerreels)
# Qt loads its platform plugins itself, so no linked library names them; the
# window needs the X11 one.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS qt6-qpa-plugins)
if(POWERREELS_BUILD_CLI)
    set(CPACK_COMPONENTS_ALL program export)
    set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "powerreels-export (= ${PROJECT_VERSION})")
    set(CPACK_DEBIAN_EXPORT_PACKAGE_NAME powerreels-export)
    set(CPACK_DEBIAN_EXPORT_PACKAGE_DEPENDS "powerreels (= ${PROJECT_VERSION})")
    string(JOIN "\n" CPACK_DEBIAN_EXPORT_DESCRIPTION
        "video export for PowerReels films"
        "powerreels-export turns a film folder of PowerReels into an MP4 (H.264),"
        "WebM (VP9) or GIF video with FFmpeg's libraries; powerreels-cli export"
        "starts it. Installed apart, so that the program alone pulls no FFmpeg.")
else()
    set(CPACK_COMPONENTS_ALL program)
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/powerreels/PowerReels")
include(CPack)
