# The Debian package: `cpack -G DEB` in a build configured with -DCMAKE_INSTALL_PREFIX=/usr
# (scripts/package.sh does both). The package installs into the prefix the programs were built for, since
# they look for their data (the English catalogue) there; outside /usr the desktop would not see the
# launchers, the document type or the icon, so a Debian package for another prefix is refused.
set(QUILLON_PACKAGE_MAINTAINER "Quillon maintainers <maintainers@quillon.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR Quillon)
set(CPACK_PACKAGE_CONTACT ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configure, calibrate and monitor 4-20 mA pressure transmitters")
set(CPACK_PACKAGE_DESCRIPTION [[
Quillon identifies a pressure transmitter connected through a programming
interface (PL45 or PL40) on a serial port, reads and writes its whole
parameter set, saves it as a document file (.qlc) and shows its measured
values. The package holds the customer edition (quillon), the factory
edition with calibration and test (quillon-factory), the command-line tool
quillon-cli and the transmitter simulator quillon-sim, which lets a
technician or trainer use the programs without hardware.]])
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries the programs link (Qt, the C++ runtime) come from dpkg-shlibdeps; what Qt loads at run
# time is named here: the configuration sheet (window and quillon-cli sheet) draws in Arial's
# metric-compatible face; the window needs a platform plugin to open on X11 or Wayland, and Qt's German
# catalogue for its own file, print and page setup dialogs. libzip4 (the problem report's zip) comes
# from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The device history (quillon-cli and the window) loads Qt SQL's drivers at run time: SQLite for this PC's
# database, PostgreSQL for a plant's shared server.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6sql6-sqlite, libqt6sql6-psql")
if(TARGET quillon OR TARGET quillon-factory)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins, qt6-translations-l10n")
endif()
# The package's launchers, document type and icon are picked up by the triggers of these packages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

# Debian's documentation of the package: the copyright file as it is, the changelog compressed (a native
# package's changelog.gz), both in share/doc/quillon; the package's version is the program's.
set(QUILLON_PACKAGE_DOC_DIR ${CMAKE_BINARY_DIR}/package-doc)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright ${QUILLON_PACKAGE_DOC_DIR}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${QUILLON_PACKAGE_DOC_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${QUILLON_PACKAGE_DOC_DIR}/changelog.gz
                   COMMAND ${QUILLON_GZIP} -9nkf ${QUILLON_PACKAGE_DOC_DIR}/changelog
                   DEPENDS ${QUILLON_PACKAGE_DOC_DIR}/changelog VERBATIM)
add_custom_target(quillon_package_doc ALL DEPENDS ${QUILLON_PACKAGE_DOC_DIR}/changelog.gz)
install(FILES ${QUILLON_PACKAGE_DOC_DIR}/copyright ${QUILLON_PACKAGE_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})

set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageCheck.cmake)
include(CPack)
