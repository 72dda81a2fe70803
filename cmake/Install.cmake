# The installed layout (cmake --install, and the Debian package):
#   bin/                           quillon, quillon-factory, quillon-cli, quillon-sim
#   share/quillon/                 quillon_en.qm and the help documents (resources/help), where the
#                                  programs look when they are not beside them
#   share/applications/            one launcher per edition, both opening .qlc documents
#   share/mime/packages/           the document type application/x-quillon-qlc (*.qlc)
#   share/icons/hicolor/scalable/  the application icon
#   share/man/man1/                the manual page of every program, compressed
include(GNUInstallDirs)

set(QUILLON_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS quillon-cli quillon-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The window's two editions, each with its launcher.
foreach(edition IN ITEMS quillon quillon-factory)
    if(TARGET ${edition})
        install(TARGETS ${edition} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${QUILLON_DESKTOP_DIR}/${edition}.desktop
                DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    endif()
endforeach()

install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/quillon_en.qm DESTINATION ${CMAKE_INSTALL_DATADIR}/quillon)

install(FILES ${QUILLON_DESKTOP_DIR}/quillon-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quillon.xml)

install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quillon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual pages (resources/man), with the program's version, compressed without a time stamp so that
# the same sources give the same files.
find_program(QUILLON_GZIP gzip REQUIRED)
set(QUILLON_MAN_PROGRAMS quillon-cli quillon-sim)
foreach(edition IN ITEMS quillon quillon-factory)
    if(TARGET ${edition})
        list(APPEND QUILLON_MAN_PROGRAMS ${edition})
    endif()
endforeach()
set(QUILLON_MAN_PAGES)
foreach(program IN LISTS QUILLON_MAN_PROGRAMS)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    configure_file(${PROJECT_SOURCE_DIR}/resources/man/${program}.1 ${page} @ONLY)
    add_custom_command(OUTPUT ${page}.gz COMMAND ${QUILLON_GZIP} -9nkf ${page} DEPENDS ${page} VERBATIM)
    list(APPEND QUILLON_MAN_PAGES ${page}.gz)
endforeach()
add_custom_target(quillon_man_pages ALL DEPENDS ${QUILLON_MAN_PAGES})
install(FILES ${QUILLON_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
