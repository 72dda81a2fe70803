# Read by cpack for every generator: a Debian package must install below /usr (see Package.cmake).
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "The Debian package installs into /usr, but this build is for "
                        "${CPACK_PACKAGING_INSTALL_PREFIX}: configure with -DCMAKE_INSTALL_PREFIX=/usr "
                        "(scripts/package.sh does).")
endif()
